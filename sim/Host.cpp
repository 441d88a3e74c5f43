// The host operations and platform seams as the plug-ins import them: exported from the
// simulator (the program on Linux, ScriptHookRDR2.dll on Windows), forwarded to the running
// simulator.
#include "Simulator.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32
// Exported from ScriptHookRDR2.dll under the host's decorated names (ScriptHookRDR2.def).
#define SIM_HOST extern "C"
#else
#define SIM_HOST extern "C" __attribute__((visibility("default")))
#endif

namespace {

sim::Simulator& Current() {
    sim::Simulator* s = sim::Simulator::current();
    if (!s) {
        std::fprintf(stderr, "protocol fault: host called with no simulator running\n");
        std::abort();
    }
    return *s;
}

} // namespace

SIM_HOST void HostScriptRegister(void* module, void (*entry)()) {
    Current().hostScriptRegister(module, entry);
}
SIM_HOST void HostScriptUnregister(void* module) { Current().hostScriptUnregister(module); }
SIM_HOST void HostScriptWait(uint32_t ms) { Current().hostScriptWait(ms); }
SIM_HOST void HostKeyboardHandlerRegister(sim::KeyboardHandler handler) {
    Current().hostKeyboardRegister(handler);
}
SIM_HOST void HostKeyboardHandlerUnregister(sim::KeyboardHandler handler) {
    Current().hostKeyboardUnregister(handler);
}
SIM_HOST void HostNativeInit(uint64_t hash) { Current().hostNativeInit(hash); }
SIM_HOST void HostNativePush64(uint64_t slot) { Current().hostNativePush(slot); }
SIM_HOST uint64_t* HostNativeCall() { return Current().hostNativeCall(); }

SIM_HOST uint32_t SimTickCount() { return Current().tickCount(); }
SIM_HOST int64_t SimCalendarTime() { return Current().calendarTime(); }
SIM_HOST void SimLocalTime(int64_t calendar, std::tm* out) { Current().localTime(calendar, out); }
SIM_HOST void SimSeedRandom(uint32_t seed) { Current().seedRandom(seed); }
SIM_HOST int SimRandom() { return Current().random(); }

namespace sim {
// Referenced by the simulator so the host functions are always linked in and exported.
extern void* const kHostAnchor;
void* const kHostAnchor = reinterpret_cast<void*>(&HostNativeCall);
} // namespace sim
