#include "core/natives/GameClock.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kGetGameTimer{0x4f67e8eca7d3f667, "GET_GAME_TIMER", ""};
constexpr native::Native kGetClockHours{0xc82cf208c2b19199, "GET_CLOCK_HOURS", ""};
constexpr native::Native kSecondsSinceBaseYear{0x78fd8be812e436b2, "_GET_SECONDS_SINCE_BASE_YEAR",
                                               ""};
constexpr native::Native kGetFrameTime{0x5e72022914ce3c38, "GET_FRAME_TIME", ""};
constexpr native::Native kAdvanceClockTimeTo{0x0184750ae88d0b1d, "ADVANCE_CLOCK_TIME_TO",
                                             "int,int,int"};
} // namespace

int32_t GameTimerMs() {
    return Invoke<int32_t>(kGetGameTimer);
}

int32_t ClockHour() {
    return Invoke<int32_t>(kGetClockHours);
}

int32_t ClockSeconds() {
    return Invoke<int32_t>(kSecondsSinceBaseYear);
}

float FrameTime() {
    return Invoke<float>(kGetFrameTime);
}

void AdvanceClockTimeTo(int32_t hour, int32_t minute, int32_t second) {
    Invoke(kAdvanceClockTimeTo, hour, minute, second);
}

} // namespace corvale
