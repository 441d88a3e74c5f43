#pragma once
// How far a guard sees and hears and how fast he grows alert: plain functions of what the
// game reports (distances, hour, wind, rain, cover) and of the tuning in "AI.dat".
#include <cstdint>

namespace corvale {

// "guard.sight_range" and what shortens it.
struct SightTuning {
    float range = 0.0f;    // metres on a clear, still day
    float minRange = 0.0f; // no sight range falls below it
    float crouchImpact = 0.0f;
    float nightImpact = 0.0f;
    float rainImpact = 0.0f; // at full rain
    float windImpact = 0.0f; // at full wind
};

// "guard.hearing_range" and what shortens it.
struct HearingTuning {
    float range = 0.0f;
    float minRange = 0.0f;
    float windImpact = 0.0f; // at full wind
};

// The game's wind speed as a share of a full wind (100 and more count as full).
float WindShare(float windSpeed);
// The game's rain level, 1 and more counting as a downpour.
float RainShare(float rainLevel);
// Before 06:00 or after 20:59.
bool IsNightHour(int32_t hour);

// The hearing range in the wind, never below the minimum.
float HearingRangeIn(const HearingTuning& tuning, float windShare);
// How much vegetation hides a ped, 0 to 1, from how high he stands over his spot and how
// high the foliage around him reaches; standing at 0 height in any foliage is fully hidden.
float FoliageCoverOf(float heightAbove, float foliageHeight);
// How far the guard sees in this weather and light, never below the minimum.
float SeeingRange(const SightTuning& tuning, float windShare, float rainShare, bool night);
// How far he makes out this target: the seeing range less the target's cover and crouch,
// never below the minimum.
double EffectiveSightRange(const SightTuning& tuning, float seeingRange, float cover,
                           bool crouching);

// Alertness a guard gains in one frame of seeing the player: faster in the open, standing,
// and from afar (a player close by is noticed slower, his whole figure out of view).
float AlertnessGain(float cover, float frameTime, bool crouching, float distance);
// Alertness after one frame without sight of the player.
float AlertnessWithoutSight(float alertness, float frameTime);

} // namespace corvale
