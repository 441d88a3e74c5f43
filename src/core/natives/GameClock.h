#pragma once
// The game timer: milliseconds that run with the game, not with the wall clock.
#include <cstdint>

namespace corvale {

int32_t GameTimerMs();

// The in-game calendar in seconds (the guard's next break is set on it).
int32_t GameClockSeconds();
// How long the last frame took, in seconds.
float FrameTimeSeconds();

} // namespace corvale
