#include "core/natives/GameClock.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kGetGameTimer = 0x4f67e8eca7d3f667;
}

int32_t GameTimerMs() {
    return Invoke<int32_t>(kGetGameTimer);
}

} // namespace corvale
