#pragma once
// Another run of a program, its output sent to a file, stopped if it outlives its time: a
// replay that crashes or never yields cannot take the caller down with it.
#include <string>
#include <vector>

namespace sim {

// args[0] is the program. False when it could not start or had to be stopped.
bool RunBounded(const std::vector<std::string>& args, const std::string& out, double limitSeconds);

} // namespace sim
