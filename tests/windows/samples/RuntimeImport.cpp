// A plug-in built the wrong way: besides the host it needs a MinGW runtime DLL, which the
// game folder does not have. The PE check must reject it.
#include "host/HostImports.h"

extern "C" __declspec(dllimport) unsigned long pthread_self();

extern "C" __declspec(dllexport) unsigned long long CorvaleRuntimeImportSample() {
    HostScriptRegister(nullptr, nullptr);
    HostScriptUnregister(nullptr);
    HostScriptWait(0);
    HostKeyboardHandlerRegister(nullptr);
    HostKeyboardHandlerUnregister(nullptr);
    HostNativeInit(0);
    HostNativePush64(0);
    return *HostNativeCall() + pthread_self();
}
