#pragma once
// A night's sleep on screen, for moving the camp: the screen goes dark, the sky runs on,
// the clock moves forward, and the day comes back.
#include <cstdint>

namespace corvale {

// The sky texture of the time-lapse shown at that hour of the day.
const char* SleepSky(int32_t hour);
// Takes a little over 2 s of waits; hours > 0 moves the clock that far forward.
void SleepTransitionOut(int32_t hours);
// Takes 1 s of waits.
void SleepTransitionIn();

} // namespace corvale
