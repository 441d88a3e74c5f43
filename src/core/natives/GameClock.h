#pragma once
// Game time: the timer in milliseconds that runs with the game, the clock of the game's
// world and the length of the current frame.
#include <cstdint>

namespace corvale {

int32_t GameTimerMs();
// The hour of the day, 0 to 23.
int32_t ClockHour();
// Seconds of the game's clock since its base year; runs at the game's pace (a game minute
// every 2 s) and jumps when the clock is advanced.
int32_t ClockSeconds();
// Seconds the current frame lasts.
float FrameTime();
// Moves the clock forward to the given time of day.
void AdvanceClockTimeTo(int32_t hour, int32_t minute, int32_t second);

} // namespace corvale
