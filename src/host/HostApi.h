#pragma once
// The script host's operations as the plug-ins see them. Only the native bridge in
// src/core/natives and the plug-in entry points include this header.
#include <cstdint>
#include <ctime>

namespace corvale::host {

using ScriptEntry = void (*)();
// key code, repeat count, scan code, extended, with alt, was down before, is up now
using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);

struct HostApi {
    // script host
    void (*scriptRegister)(void* module, ScriptEntry entry);
    void (*scriptUnregister)(void* module);
    void (*scriptWait)(uint32_t ms);
    void (*keyboardHandlerRegister)(KeyboardHandler handler);
    void (*keyboardHandlerUnregister)(KeyboardHandler handler);
    void (*nativeInit)(uint64_t hash);
    void (*nativePush64)(uint64_t slot);
    uint64_t* (*nativeCall)();
    // platform seams: real clocks and C random generator on Windows, the simulated ones
    // in the simulator
    uint32_t (*tickCount)();
    int64_t (*calendarTime)();
    void (*localTime)(int64_t calendar, std::tm* out);
    void (*seedRandom)(uint32_t seed);
    int (*random)();
};

// The binding of the platform this plug-in is built for.
const HostApi& PlatformHost();

// Installed once at attach; tests may install their own.
void Install(const HostApi& api);
const HostApi& Api();

} // namespace corvale::host
