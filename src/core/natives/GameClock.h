#pragma once
// The game timer: milliseconds that run with the game, not with the wall clock; and the
// in-game clock.
#include <cstdint>

namespace corvale {

int32_t GameTimerMs();
// The in-game clock as seconds since the game's base year (a game hour is 3600 of them).
int32_t ClockSeconds();

} // namespace corvale
