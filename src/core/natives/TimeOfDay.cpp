#include "core/natives/TimeOfDay.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kGetClockHours = 0xc82cf208c2b19199;
constexpr uint64_t kAdvanceClockTimeTo = 0x0184750ae88d0b1d;
} // namespace

int32_t ClockHours() {
    return Invoke<int32_t>(kGetClockHours);
}

void AdvanceClockTimeTo(int32_t hour, int32_t minute, int32_t second) {
    Invoke(kAdvanceClockTimeTo, hour, minute, second);
}

} // namespace corvale
