#pragma once
// The game's clock of the day (not the game timer).
#include <cstdint>

namespace corvale {

// 0 to 23.
int32_t ClockHours();
// Moves the clock forward to the given time of day.
void AdvanceClockTimeTo(int32_t hour, int32_t minute, int32_t second);

} // namespace corvale
