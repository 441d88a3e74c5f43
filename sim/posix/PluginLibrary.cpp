// Linux: the plug-ins are shared libraries with an attach and a detach entry.
#include "PluginModule.h"

#include <dlfcn.h>
#include <filesystem>
#include <stdlib.h>

namespace sim {

namespace fs = std::filesystem;

std::string PluginFileName(const std::string& name) {
    return name == "camp" ? "CorvaleCamp.so" : name == "business" ? "CorvaleBusiness.so" : name + ".so";
}

std::string LoadPlugin(const std::string& path, PluginModule& module) {
    const fs::path source(path);
    // A private copy gives every run fresh plug-in state, as a new game process does.
    char dir[] = "/tmp/corvale-plugin-XXXXXX";
    if (!mkdtemp(dir)) return "cannot make a folder for " + source.filename().string();
    const fs::path copy = fs::path(dir) / source.filename();
    std::error_code ec;
    fs::copy_file(source, copy, ec);
    if (ec) {
        fs::remove_all(dir, ec);
        return "cannot read plug-in " + path + ": " + ec.message();
    }
    void* library = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    fs::remove_all(dir, ec);
    if (!library) return std::string("cannot load plug-in: ") + dlerror();
    auto attach = reinterpret_cast<void (*)(void*)>(dlsym(library, "CorvalePluginAttach"));
    module.detach = reinterpret_cast<void (*)(void*)>(dlsym(library, "CorvalePluginDetach"));
    if (!attach || !module.detach)
        return "plug-in " + source.filename().string() + " has no attach/detach entry";
    module.library = library;
    module.handle = &module;
    attach(&module);
    return "";
}

void UnloadPlugin(PluginModule& module) {
    module.detach(module.handle);
}

} // namespace sim
