#pragma once
// Game-timer arithmetic. The timer is a signed 32-bit count of milliseconds that passes its
// top after about 24.8 days of play: times are compared by their difference taken in
// wrap-around arithmetic, never by a sum or a plain signed subtraction.
#include "core/natives/GameClock.h"

#include <cstdint>

namespace corvale {

// Milliseconds from then to now, right across the timer's wrap (negative: then is later).
constexpr int32_t ElapsedMs(int32_t now, int32_t then) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(then));
}

// Milliseconds since then, by the game timer now.
inline int32_t ElapsedSince(int32_t then) {
    return ElapsedMs(GameTimerMs(), then);
}

// The timer reading ms after (or, negative, before) then, wrapped as the game wraps it.
constexpr int32_t TimerPlus(int32_t then, int32_t ms) {
    return static_cast<int32_t>(static_cast<uint32_t>(then) + static_cast<uint32_t>(ms));
}

} // namespace corvale
