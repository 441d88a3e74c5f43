#include "core/natives/Script.h"
#include "core/natives/Native.h"

#include "core/natives/GameClock.h"
#include "core/natives/NativeCall.h"
#include "core/timers/Elapsed.h"
#include "host/HostApi.h"

namespace corvale {

namespace {
constexpr native::Native kSetTimerA{0xc1b1e9a034a63a62, "SETTIMERA", "int"};
constexpr native::Native kSetTimerB{0x5ae11bc36633de4e, "SETTIMERB", "int"};
constexpr native::Native kTimerB{0xc9d9444186b5a374, "TIMERB", ""};
ResumeHook gOnResume = nullptr;
} // namespace

void SetResumeHook(ResumeHook hook) {
    gOnResume = hook;
}

// A wait of ms is taken one frame at a time, so that no frame of it passes unseen; the host
// would resume a plain scriptWait(ms) at the same frame.
void ScriptWait(uint32_t ms) {
    if (!gOnResume) return host::Api().scriptWait(ms);
    const int32_t start = ms > 0 ? GameTimerMs() : 0;
    do {
        host::Api().scriptWait(0);
        gOnResume();
    } while (ms > 0 && ElapsedSince(start) < static_cast<int64_t>(ms));
}

void SetScriptTimerA(int32_t ms) {
    Invoke(kSetTimerA, ms);
}

void SetScriptTimerB(int32_t ms) {
    Invoke(kSetTimerB, ms);
}

int32_t ScriptTimerB() {
    return Invoke<int32_t>(kTimerB);
}

} // namespace corvale
