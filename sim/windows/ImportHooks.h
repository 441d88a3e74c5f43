#pragma once
// Points a loaded plug-in's imports of the clock, the C random generator, the heap and the
// moving of a file over another at the simulator, as the Linux simulator binds them: time
// follows the simulated world, random draws are each plug-in's own, heap allocations count
// for the running script, and saves put in place are counted.
#include <string>
#include <windows.h>

namespace sim {

// "" or the imports that could not be pointed.
std::string HookPluginImports(HMODULE module);

} // namespace sim
