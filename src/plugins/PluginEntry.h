#pragma once
// The library entry of a plug-in: DllMain on Windows, two exported functions that the
// simulator's loader calls on Linux. Both call the plug-in's portable attach and detach.

#ifdef _WIN32
#include <windows.h>
#define CORVALE_PLUGIN_ENTRY(attach, detach)                                                   \
    BOOL APIENTRY DllMain(HMODULE module, DWORD reason, LPVOID) {                              \
        if (reason == DLL_PROCESS_ATTACH) attach(module);                                      \
        else if (reason == DLL_PROCESS_DETACH) detach(module);                                 \
        return TRUE;                                                                           \
    }
#else
#define CORVALE_PLUGIN_ENTRY(attach, detach)                                                   \
    extern "C" __attribute__((visibility("default"))) void CorvalePluginAttach(void* module) { \
        attach(module);                                                                        \
    }                                                                                          \
    extern "C" __attribute__((visibility("default"))) void CorvalePluginDetach(void* module) { \
        detach(module);                                                                        \
    }
#endif
