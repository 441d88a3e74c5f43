#pragma once
// A night's sleep on screen, for moving the camp: the screen goes dark, the sky runs on,
// the clock moves forward, and the day comes back. Its steps are taken one frame apart by
// whoever sleeps, kSleepStepMs after each other where the step says so.
#include <cstdint>

namespace corvale {

// The game time between a step and the next that waits for it.
inline constexpr int32_t kSleepStepMs = 1000;

// The sky texture of the time-lapse shown at that hour of the day.
const char* SleepSky(int32_t hour);
// The screen goes dark; the sky runs kSleepStepMs later.
void SleepDarken();
// The hud goes, the sky of this hour runs; the hour read is returned for SleepClockOn,
// kSleepStepMs later.
int32_t SleepSkyRuns();
// hours > 0 moves the clock that far forward from the hour the sky began at.
void SleepClockOn(int32_t hour, int32_t hours);
// The day comes back; SleepWake kSleepStepMs later.
void SleepDawn();
void SleepWake();

} // namespace corvale
