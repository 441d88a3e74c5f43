#pragma once
// Where this build's sources and plug-ins are. Kept out of the headers so that test files
// compile the same in every checkout.
#include <string>
#include <string_view>

namespace corvale::testing {

// The source tree's path joined with rel ("/data/Corvale/AI.dat").
std::string SourcePath(std::string_view rel = {});
// The folder the plug-ins of this build are written to.
std::string PluginDir();

} // namespace corvale::testing
