#pragma once
// Where a guard goes and looks when he checks a point: plain math on positions, no game calls.
#include "core/natives/Vector3.h"

namespace corvale {

struct CheckRoute {
    Vector3 approach; // where he walks to, on the line towards the point
    Vector3 beyond;   // 50 m past his start towards the point: where he looks last
    float facing;     // the heading in [0, 360) that faces from his start towards the point
};

// A route from start towards point, walking approachMetres along the line.
CheckRoute RouteTowards(const Vector3& start, const Vector3& point, float approachMetres);

// A shot or noise: 0.7 of the way, at most 15 m.
float ShockingNoiseApproach(float distance);
// Something odd seen or heard: 0.85 of the way.
float SuspiciousEventApproach(float distance);

} // namespace corvale
