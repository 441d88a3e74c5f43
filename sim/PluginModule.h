#pragma once
// A loaded plug-in, and loading one the way the platform's game host does.
#include <cstdint>
#include <string>

namespace sim {

struct PluginModule {
    std::string name;
    void* library = nullptr; // the platform's handle
    void* handle = nullptr;  // what the plug-in names itself by when it registers a script
    void (*detach)(void*) = nullptr;
    bool detached = false;
    uint32_t randomState = 1; // each plug-in has its own C random state
};

// The file of a plug-in named by its short name ("camp", "business") or by its own name.
std::string PluginFileName(const std::string& name);
// Loads the file and runs the plug-in's start-up, which registers its scripts (the host sees
// module.handle set, or the module being loaded). "" or what went wrong.
std::string LoadPlugin(const std::string& path, PluginModule& module);
// Runs the plug-in's shut-down, which unregisters what it registered.
void UnloadPlugin(PluginModule& module);

} // namespace sim
