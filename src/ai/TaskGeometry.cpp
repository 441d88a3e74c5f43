#include "ai/TaskGeometry.h"

#include "core/natives/VectorMath.h"

#include <algorithm>

namespace corvale {

namespace {
constexpr float kLookBeyondMetres = 50.0f;
constexpr float kNoiseShare = 0.7f;
constexpr float kNoiseMaxMetres = 15.0f;
constexpr float kSuspiciousShare = 0.85f;
} // namespace

CheckRoute RouteTowards(const Vector3& start, const Vector3& point, float approachMetres) {
    const Vector3 unit = Normalise(Subtract(point, start));
    // Game headings count from +y, the direction's angle from +x; kept in [0, 360).
    float facing = HeadingBetween(point, start) - 90.0f;
    if (facing < 0.0f) facing += 360.0f;
    return {Add(start, Scale(unit, approachMetres)), Add(start, Scale(unit, kLookBeyondMetres)),
            facing};
}

float ShockingNoiseApproach(float distance) {
    return std::min(kNoiseShare * distance, kNoiseMaxMetres);
}

float SuspiciousEventApproach(float distance) {
    return kSuspiciousShare * distance;
}

} // namespace corvale
