#pragma once
// Saves the plug-ins put in place: every save is written to a new file and put over the old
// one, and the simulator counts each of those, so the rules know a write happened whatever
// the file's clock and size say (a save written again with the same bytes in the same tick of
// the clock is still a write).
#include <cstdint>

namespace sim {

// One file put in place at this path. No allocation: it runs on a plug-in's frame.
void CountFileReplaced(const char* path);
// How many files have been put in place under this name (the path's last part, in any case)
// since the process started.
uint64_t FileReplacedCount(const char* path);

} // namespace sim
