#pragma once
// Game-timer arithmetic. The timer is a signed 32-bit count of milliseconds that passes its
// top after about 24.8 days of play, so times are compared by their difference, never by a
// sum that could pass the top.
#include <cstdint>

namespace corvale::business {

// Milliseconds from then to now, right across the timer's wrap (negative: then is later).
constexpr int32_t MsSince(int32_t now, int32_t then) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(then));
}

// More than periodMs have passed since then.
constexpr bool MoreThanMsSince(int32_t now, int32_t then, int32_t periodMs) {
    return MsSince(now, then) > periodMs;
}

} // namespace corvale::business
