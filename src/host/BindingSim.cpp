// Simulator: the simulator process defines the host operations and the platform seams,
// so clocks and random draws follow the simulated world.
#include "HostApi.h"
#include "HostImports.h"

extern "C" {
uint32_t SimTickCount();
int64_t SimCalendarTime();
void SimLocalTime(int64_t calendar, std::tm* out);
void SimSeedRandom(uint32_t seed);
int SimRandom();
}

namespace corvale::host {

const HostApi& PlatformHost() {
    static const HostApi api{HostScriptRegister,
                             HostScriptUnregister,
                             HostScriptWait,
                             HostKeyboardHandlerRegister,
                             HostKeyboardHandlerUnregister,
                             HostNativeInit,
                             HostNativePush64,
                             HostNativeCall,
                             SimTickCount,
                             SimCalendarTime,
                             SimLocalTime,
                             SimSeedRandom,
                             SimRandom};
    return api;
}

} // namespace corvale::host
