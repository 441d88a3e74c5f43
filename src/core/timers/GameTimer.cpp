#include "core/timers/GameTimer.h"
#include "core/timers/Elapsed.h"

namespace corvale {

GameTimer::GameTimer(int32_t tag) : tag_(tag), start_(GameTimerMs()) {}

int32_t GameTimer::elapsedMs() const {
    return ElapsedSince(start_);
}

int32_t GameTimer::elapsedSeconds() const {
    return ElapsedSince(start_) / 1000;
}

void GameTimer::reset() {
    start_ = GameTimerMs();
}

void GameTimer::shiftStart(int32_t offsetMs) {
    start_ = TimerPlus(GameTimerMs(), offsetMs);
}

} // namespace corvale
