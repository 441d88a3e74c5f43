// Loads the built .asi plug-ins the way the game does (the Windows loader binds their host
// imports to ScriptHookRDR2.dll found beside them), runs every registered script on its own
// fiber for a number of frames, delivers a keyboard message, unloads them and checks that
// each step of the host protocol happened.
//
//   corvale-loader [--frames N] [--expect-keyboard NAME]... [PLUGIN.asi | DIR]...
//
// Without a plug-in argument it loads every .asi beside itself. Exit 0 when all steps held.
#include "StandInHost.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

constexpr uint32_t kFrameMs = 33;

struct Plugin {
    std::string path;
    std::string name; // file name without directory and extension
    HMODULE module = nullptr;
    int scripts = 0;
    std::vector<int> handlers; // indices into the stand-in's handler table
    bool expectKeyboard = false;
    bool unloaded = false;
};

int gFailures = 0;

void Fail(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Fail(const char* format, ...) {
    ++gFailures;
    std::printf("FAIL: ");
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
}

std::string FullPath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    char buffer[MAX_PATH];
    const DWORD n = GetFullPathNameA(p.c_str(), MAX_PATH, buffer, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : p;
}

std::string Stem(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool IsDirectory(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> AsiFilesIn(const std::string& dir) {
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    const HANDLE h = FindFirstFileA((dir + "\\*.asi").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return found;
    do {
        found.push_back(dir + "\\" + data.cFileName);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    std::sort(found.begin(), found.end());
    return found;
}

std::string ExeDirectory() {
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, n);
    return path.substr(0, path.find_last_of('\\'));
}

HMODULE ModuleOf(const void* address) {
    HMODULE m = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const char*>(address), &m);
    return m;
}

standin::State* gHost = nullptr;

// A script's fiber: runs its entry; an entry that returns has finished for good.
void WINAPI ScriptFiber(void* param) {
    const int index = static_cast<int>(reinterpret_cast<intptr_t>(param));
    gHost->scripts[index].entry();
    gHost->scripts[index].finished = true;
    for (;;)
        SwitchToFiber(gHost->loaderFiber);
}

} // namespace

int main(int argc, char** argv) {
    int frames = 300;
    std::vector<std::string> expectKeyboard;
    std::vector<std::string> paths;
    bool pathGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            frames = std::atoi(argv[++i]);
        } else if (arg == "--expect-keyboard" && i + 1 < argc) {
            expectKeyboard.push_back(argv[++i]);
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr,
                         "usage: %s [--frames N] [--expect-keyboard NAME]... "
                         "[PLUGIN.asi | DIR]...\n",
                         argv[0]);
            return 2;
        } else {
            pathGiven = true;
            const std::string full = FullPath(arg);
            if (IsDirectory(full)) {
                for (const std::string& p : AsiFilesIn(full))
                    paths.push_back(p);
            } else {
                paths.push_back(full);
            }
        }
    }
    if (!pathGiven) paths = AsiFilesIn(ExeDirectory());
    if (paths.empty()) {
        std::printf("FAIL: no .asi plug-in found\n");
        return 1;
    }

    std::vector<Plugin> plugins;
    for (const std::string& p : paths) {
        Plugin plugin;
        plugin.path = p;
        plugin.name = Stem(p);
        for (const std::string& e : expectKeyboard)
            if (_stricmp(e.c_str(), plugin.name.c_str()) == 0) plugin.expectKeyboard = true;
        plugins.push_back(plugin);
    }
    for (const std::string& e : expectKeyboard) {
        const bool known = std::any_of(plugins.begin(), plugins.end(), [&](const Plugin& p) {
            return _stricmp(e.c_str(), p.name.c_str()) == 0;
        });
        if (!known) Fail("--expect-keyboard %s names no loaded plug-in", e.c_str());
    }

    // The game's main thread runs the scripts as fibers; so does this one.
    void* const loaderFiber = ConvertThreadToFiber(nullptr);
    if (!loaderFiber) {
        std::printf("FAIL: ConvertThreadToFiber: error %lu\n", GetLastError());
        return 1;
    }

    // Load: DllMain registers the plug-in's script (and keyboard handler) with the host.
    for (Plugin& plugin : plugins) {
        const int handlersBefore = gHost ? gHost->handlerCount : 0;
        plugin.module = LoadLibraryExA(plugin.path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!plugin.module) {
            Fail("LoadLibrary %s: error %lu", plugin.path.c_str(), GetLastError());
            continue;
        }
        if (!gHost) {
            // Keep our own reference, so the host outlives the plug-ins' detach.
            HMODULE host = nullptr;
            if (!GetModuleHandleExA(0, "ScriptHookRDR2.dll", &host)) {
                std::printf("FAIL: %s loaded without ScriptHookRDR2.dll\n", plugin.name.c_str());
                return 1;
            }
            char hostPath[MAX_PATH] = "";
            GetModuleFileNameA(host, hostPath, MAX_PATH);
            const auto state = reinterpret_cast<standin::State* (*)()>(
                reinterpret_cast<void*>(GetProcAddress(host, "StandInState")));
            if (!state) {
                std::printf("FAIL: %s is not the stand-in host\n", hostPath);
                return 1;
            }
            gHost = state();
            std::printf("host: %s\n", hostPath);
        }
        for (int i = 0; i < gHost->scriptCount; ++i)
            if (gHost->scripts[i].module == plugin.module) ++plugin.scripts;
        for (int i = handlersBefore; i < gHost->handlerCount; ++i) {
            plugin.handlers.push_back(i);
            const void* h = reinterpret_cast<const void*>(gHost->handlers[i].handler);
            if (ModuleOf(h) != plugin.module)
                Fail("%s registered a keyboard handler outside its own code", plugin.name.c_str());
        }
        std::printf("plugin %s: loaded, scripts registered %d, keyboard handlers registered %zu\n",
                    plugin.name.c_str(), plugin.scripts, plugin.handlers.size());
        if (plugin.scripts < 1) Fail("%s registered no script", plugin.name.c_str());
        if (plugin.expectKeyboard && plugin.handlers.empty())
            Fail("%s registered no keyboard handler", plugin.name.c_str());
    }
    if (!gHost) return 1;

    // Run: one fiber per script; scriptWait switches back here.
    gHost->loaderFiber = loaderFiber;
    for (int i = 0; i < gHost->scriptCount; ++i) {
        gHost->scripts[i].fiber =
            CreateFiber(0, ScriptFiber, reinterpret_cast<void*>(static_cast<intptr_t>(i)));
        if (!gHost->scripts[i].fiber) Fail("CreateFiber: error %lu", GetLastError());
    }
    int keyMessages = 0;
    for (int frame = 0; frame < frames; ++frame) {
        gHost->gameTimeMs += kFrameMs;
        if (frame == frames / 2) {
            // F5 released, as the game's window procedure reports it.
            for (int i = 0; i < gHost->handlerCount; ++i) {
                if (gHost->handlers[i].unregistered) continue;
                gHost->handlers[i].handler(VK_F5, 1, 0x3F, 0, 0, 1, 1);
                ++keyMessages;
            }
        }
        for (int i = 0; i < gHost->scriptCount; ++i) {
            standin::Script& s = gHost->scripts[i];
            if (!s.fiber || s.finished || s.unregistered) continue;
            if (static_cast<int32_t>(gHost->gameTimeMs - s.wakeAtMs) < 0) continue;
            gHost->current = i;
            ++s.resumes;
            SwitchToFiber(s.fiber);
            gHost->current = -1;
        }
    }

    // Unload: DllMain must take back everything the plug-in registered.
    for (auto it = plugins.rbegin(); it != plugins.rend(); ++it) {
        Plugin& plugin = *it;
        if (!plugin.module) continue;
        if (!FreeLibrary(plugin.module)) {
            Fail("FreeLibrary %s: error %lu", plugin.name.c_str(), GetLastError());
            continue;
        }
        plugin.unloaded = GetModuleHandleA(plugin.path.c_str()) == nullptr;
        if (!plugin.unloaded) Fail("%s is still mapped after FreeLibrary", plugin.name.c_str());
        int unregisteredHandlers = 0;
        for (int i : plugin.handlers)
            if (gHost->handlers[i].unregistered) ++unregisteredHandlers;
        std::printf("plugin %s: unloaded, keyboard handlers unregistered %d of %zu\n",
                    plugin.name.c_str(), unregisteredHandlers, plugin.handlers.size());
        if (unregisteredHandlers != static_cast<int>(plugin.handlers.size()))
            Fail("%s left a keyboard handler registered", plugin.name.c_str());
        for (int i = 0; i < gHost->scriptCount; ++i) {
            standin::Script& s = gHost->scripts[i];
            if (s.module != plugin.module) continue;
            if (!s.unregistered) Fail("%s left its script registered", plugin.name.c_str());
            if (s.fiber) DeleteFiber(s.fiber);
            s.fiber = nullptr;
        }
    }

    // Summary.
    for (int i = 0; i < gHost->scriptCount; ++i) {
        const standin::Script& s = gHost->scripts[i];
        const char* owner = "?";
        for (const Plugin& p : plugins)
            if (p.module == s.module) owner = p.name.c_str();
        std::printf("script %d (%s): frames run %u of %d, waits %u%s\n", i, owner, s.resumes,
                    frames, s.waits, s.finished ? ", returned" : "");
        if (s.resumes == 0) Fail("script %d (%s) never ran", i, owner);
        if (s.finished) Fail("script %d (%s) returned from its entry", i, owner);
    }
    std::printf("keyboard messages delivered: %d\n", keyMessages);
    if (!expectKeyboard.empty() && keyMessages == 0) Fail("no keyboard message was delivered");
    std::printf("native calls: %llu (%d natives)\n",
                static_cast<unsigned long long>(gHost->nativeCalls), gHost->nativeCount);
    if (gHost->faults > 0) Fail("%d host protocol faults, first: %s", gHost->faults, gHost->fault);
    const int loaded = static_cast<int>(std::count_if(
        plugins.begin(), plugins.end(), [](const Plugin& p) { return p.module != nullptr; }));
    std::printf("plug-ins loaded: %d of %zu, frames: %d, %s\n", loaded, plugins.size(), frames,
                gFailures == 0 ? "ok" : "FAILED");
    return gFailures == 0 ? 0 : 1;
}
