#include "ai/PerceptionMath.h"

#include <algorithm>

namespace corvale {

namespace {
constexpr float kFullWind = 100.0f;
constexpr float kFullRain = 1.0f;
constexpr int32_t kDawnHour = 6;
constexpr uint32_t kDaylightHours = 14; // 06:00 to 20:59
constexpr float kMaxHeightAbove = 1.0f;
constexpr float kFoliageShare = 0.25f;
constexpr float kMaxFoliage = 1.5f;
constexpr float kOpenGround = 1.5f;
constexpr float kAlertnessRate = 25.0f;
constexpr float kCrouchedRate = 0.5f;
constexpr float kDistanceShare = 0.02f; // full rate from 50 m on
constexpr float kCalmingRate = 10.0f;
} // namespace

float WindShare(float windSpeed) {
    return std::min(windSpeed, kFullWind) * 0.01f;
}

float RainShare(float rainLevel) {
    return std::min(rainLevel, kFullRain);
}

bool IsNightHour(int32_t hour) {
    return static_cast<uint32_t>(hour - kDawnHour) > kDaylightHours;
}

float HearingRangeIn(const HearingTuning& tuning, float windShare) {
    const float range = (1.0f - windShare * tuning.windImpact) * tuning.range;
    return range > tuning.minRange ? range : tuning.minRange;
}

float FoliageCoverOf(float heightAbove, float foliageHeight) {
    const float height = std::min(heightAbove, kMaxHeightAbove);
    const float foliage = std::min(foliageHeight * kFoliageShare, kMaxFoliage);
    if (!(foliage > 0.0f)) return 0.0f;
    // foliage / height grows without bound as the height nears 0: fully hidden there, and
    // never hidden when the game reports him below his spot (or no number at all).
    if (!(height > 0.0f)) return height == 0.0f ? 1.0f : 0.0f;
    return std::clamp(foliage / height, 0.0f, 1.0f);
}

float SeeingRange(const SightTuning& tuning, float windShare, float rainShare, bool night) {
    const float base = tuning.range * (1.0f - tuning.windImpact * windShare) *
                       (1.0f - tuning.rainImpact * rainShare) *
                       (night ? 1.0f - tuning.nightImpact : 1.0f);
    return tuning.minRange > base ? tuning.minRange : base;
}

double EffectiveSightRange(const SightTuning& tuning, float seeingRange, float cover,
                           bool crouching) {
    const double crouch = crouching ? 1.0 - static_cast<double>(tuning.crouchImpact) : 1.0;
    double effective = (1.0 - static_cast<double>(cover)) * seeingRange * crouch;
    if (tuning.minRange > effective) effective = tuning.minRange;
    return effective;
}

float AlertnessGain(float cover, float frameTime, bool crouching, float distance) {
    return (kOpenGround - cover) * frameTime * kAlertnessRate * (crouching ? kCrouchedRate : 1.0f) *
           std::min(distance * kDistanceShare, 1.0f);
}

float AlertnessWithoutSight(float alertness, float frameTime) {
    return std::max(0.0f, alertness - frameTime * kCalmingRate);
}

} // namespace corvale
