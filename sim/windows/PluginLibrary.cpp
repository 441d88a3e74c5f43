// Windows: the plug-ins are the shipped .asi files. LoadLibrary maps them as the game's script
// host does: the Windows loader binds their host imports to this ScriptHookRDR2.dll and their
// DllMain registers their scripts. Their clock, random and heap imports are then pointed at
// the simulated world (ImportHooks.cpp).
#include "PluginModule.h"
#include "windows/ImportHooks.h"

#include <filesystem>
#include <windows.h>

namespace sim {

std::string PluginFileName(const std::string& name) {
    return name == "camp"       ? "CorvaleCamp.asi"
           : name == "business" ? "CorvaleBusiness.asi"
                                : name + ".asi";
}

std::string LoadPlugin(const std::string& path, PluginModule& module) {
    const std::wstring wide = std::filesystem::path(path).make_preferred().wstring();
    HMODULE library = LoadLibraryExW(wide.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library)
        return "cannot load plug-in " + path + ": error " + std::to_string(GetLastError());
    module.library = library;
    module.handle = library;
    const std::string missed = HookPluginImports(library);
    if (!missed.empty()) return "plug-in " + path + ": " + missed;
    return "";
}

// FreeLibrary runs DllMain's detach; the plug-in's code is gone after it.
void UnloadPlugin(PluginModule& module) {
    FreeLibrary(static_cast<HMODULE>(module.library));
}

} // namespace sim
