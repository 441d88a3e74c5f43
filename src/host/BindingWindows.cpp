// Windows: the host is ScriptHookRDR2.dll, bound through the import library made from
// host.def, so the game's loader maps the host before our DllMain runs.
#include "HostApi.h"
#include "HostImports.h"

#include <cstdlib>
#include <ctime>
#include <windows.h>

namespace corvale::host {

namespace {
uint32_t TickCount() { return GetTickCount(); }
int64_t CalendarTime() { return static_cast<int64_t>(std::time(nullptr)); }
void LocalTime(int64_t calendar, std::tm* out) {
    const std::time_t t = static_cast<std::time_t>(calendar);
    localtime_s(out, &t);
}
void SeedRandom(uint32_t seed) { std::srand(seed); }
int Random() { return std::rand(); }
} // namespace

const HostApi& PlatformHost() {
    static const HostApi api{HostScriptRegister,
                             HostScriptUnregister,
                             HostScriptWait,
                             HostKeyboardHandlerRegister,
                             HostKeyboardHandlerUnregister,
                             HostNativeInit,
                             HostNativePush64,
                             HostNativeCall,
                             TickCount,
                             CalendarTime,
                             LocalTime,
                             SeedRandom,
                             Random};
    return api;
}

} // namespace corvale::host
