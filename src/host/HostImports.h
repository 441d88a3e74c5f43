#pragma once
// Plain C names of the host's exports. On Windows they come from an import library made
// from host.def, which maps them onto the decorated names ScriptHookRDR2.dll exports; in
// the simulator the simulator process defines them. The integer widths are those of the
// host's own signatures (DWORD, WORD, BYTE are 32, 16 and 8 bits on Windows).
#include <cstdint>

#ifdef _WIN32
#define CORVALE_HOST_IMPORT __declspec(dllimport)
#else
#define CORVALE_HOST_IMPORT
#endif

extern "C" {
CORVALE_HOST_IMPORT void HostScriptRegister(void* module, void (*entry)());
CORVALE_HOST_IMPORT void HostScriptUnregister(void* module);
CORVALE_HOST_IMPORT void HostScriptWait(uint32_t ms);
CORVALE_HOST_IMPORT void HostKeyboardHandlerRegister(void (*handler)(uint32_t, uint16_t, uint8_t,
                                                                     int, int, int, int));
CORVALE_HOST_IMPORT void HostKeyboardHandlerUnregister(void (*handler)(uint32_t, uint16_t,
                                                                       uint8_t, int, int, int,
                                                                       int));
CORVALE_HOST_IMPORT void HostNativeInit(uint64_t hash);
CORVALE_HOST_IMPORT void HostNativePush64(uint64_t slot);
CORVALE_HOST_IMPORT uint64_t* HostNativeCall();
}
