#pragma once
// Where a guard goes and looks when he checks a point: plain math on positions, no game calls.
#include "core/natives/Vector3.h"

#include <optional>

namespace corvale {

struct CheckRoute {
    Vector3 approach; // where he walks to, on the line towards the point
    Vector3 beyond;   // 50 m past his start towards the point: where he looks last
    float facing;     // the heading in [0, 360) that faces from his start towards the point
};

// A route from start towards point, walking approachMetres along the line.
CheckRoute RouteTowards(const Vector3& start, const Vector3& point, float approachMetres);

// The heading in [0, 360) that faces from `from` towards `towards`.
float FacingTowards(const Vector3& from, const Vector3& towards);

// Where a guard who looks around a point first walks to: short of it by a tenth of the way,
// at least 1.5 m. None when the point is closer than 1.5 m (the spot would lie behind him).
std::optional<Vector3> LookAroundWalkStop(const Vector3& start, const Vector3& point);

// A shot or noise: 0.7 of the way, at most 15 m.
float ShockingNoiseApproach(float distance);
// Something odd seen or heard: 0.85 of the way.
float SuspiciousEventApproach(float distance);

} // namespace corvale
