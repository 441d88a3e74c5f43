#include "core/timers/GameTimer.h"

#include "core/natives/GameClock.h"

namespace corvale {

namespace {
// Differences in wrap-around arithmetic: the game timer is a signed 32-bit count.
int32_t Since(int32_t start) {
    return static_cast<int32_t>(static_cast<uint32_t>(GameTimerMs()) -
                                static_cast<uint32_t>(start));
}
} // namespace

GameTimer::GameTimer(int32_t tag) : tag_(tag), start_(GameTimerMs()) {}

int32_t GameTimer::elapsedMs() const {
    return Since(start_);
}

int32_t GameTimer::elapsedSeconds() const {
    return Since(start_) / 1000;
}

void GameTimer::reset() {
    start_ = GameTimerMs();
}

void GameTimer::shiftStart(int32_t offsetMs) {
    start_ = static_cast<int32_t>(static_cast<uint32_t>(GameTimerMs()) +
                                  static_cast<uint32_t>(offsetMs));
}

} // namespace corvale
