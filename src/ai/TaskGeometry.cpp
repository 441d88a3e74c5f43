#include "ai/TaskGeometry.h"

#include "core/natives/VectorMath.h"

#include <algorithm>

namespace corvale {

namespace {
constexpr float kLookBeyondMetres = 50.0f;
constexpr float kNoiseShare = 0.7f;
constexpr float kNoiseMaxMetres = 15.0f;
constexpr float kSuspiciousShare = 0.85f;
constexpr float kLookAroundShare = 0.9f;
constexpr float kLookAroundShortBy = 1.5f;
} // namespace

float FacingTowards(const Vector3& from, const Vector3& towards) {
    // Game headings count from +y, the direction's angle from +x.
    const float facing = HeadingBetween(towards, from) - 90.0f;
    return facing < 0.0f ? facing + 360.0f : facing;
}

std::optional<Vector3> LookAroundWalkStop(const Vector3& start, const Vector3& point) {
    const Vector3 way = Subtract(point, start);
    const float distance = Length(way);
    if (distance < kLookAroundShortBy) return std::nullopt;
    const float walk = std::min(kLookAroundShare * distance, distance - kLookAroundShortBy);
    return Add(start, Scale(Normalise(way), walk));
}

CheckRoute RouteTowards(const Vector3& start, const Vector3& point, float approachMetres) {
    const Vector3 unit = Normalise(Subtract(point, start));
    return {Add(start, Scale(unit, approachMetres)), Add(start, Scale(unit, kLookBeyondMetres)),
            FacingTowards(start, point)};
}

float ShockingNoiseApproach(float distance) {
    return std::min(kNoiseShare * distance, kNoiseMaxMetres);
}

float SuspiciousEventApproach(float distance) {
    return kSuspiciousShare * distance;
}

} // namespace corvale
