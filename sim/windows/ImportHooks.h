#pragma once
// Points a loaded plug-in's imports of the clock, the C random generator and the heap at the
// simulator, as the Linux simulator binds them: time follows the simulated world, random draws
// are each plug-in's own, and heap allocations count for the running script.
#include <string>
#include <windows.h>

namespace sim {

// "" or the imports that could not be pointed.
std::string HookPluginImports(HMODULE module);

} // namespace sim
