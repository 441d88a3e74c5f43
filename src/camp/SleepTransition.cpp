#include "camp/SleepTransition.h"

#include "core/natives/Camera.h"
#include "core/natives/GameClock.h"
#include "core/natives/Music.h"
#include "core/natives/ScreenEffects.h"

namespace corvale {

namespace {
constexpr const char* kMusic = "SLEEP_TRANSITION_START";
} // namespace

const char* SleepSky(int32_t hour) {
    if (hour >= 5 && hour <= 8) return "skytl_0600_01clear";
    if (hour >= 9 && hour <= 11) return "skytl_0900_01clear";
    if (hour >= 12 && hour <= 14) return "skytl_1200_01clear";
    if (hour >= 15 && hour <= 22) return "skytl_1500_03clouds";
    return "skytl_0000_01clear"; // night
}

void SleepDarken() {
    FadeScreenOut(500);
    FadeScreenIn(0);
}

int32_t SleepSkyRuns() {
    DisplayHud(false);
    TriggerMusicEvent(kMusic);
    const int32_t hour = ClockHour();
    PlayPostEffect(SleepSky(hour));
    return hour;
}

void SleepClockOn(int32_t hour, int32_t hours) {
    // The game takes a time of day: an evening's sleep ends in the next morning.
    if (hours > 0) AdvanceClockTimeTo((hour + hours) % 24, 0, 0);
}

void SleepDawn() {
    StopAllPostEffects();
    TriggerMusicEvent("SLEEP_TRANSITION_STOP");
    FadeScreenIn(1000);
}

void SleepWake() {
    DisplayHud(true);
    CancelMusicEvent(kMusic);
}

} // namespace corvale
