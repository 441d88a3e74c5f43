#pragma once
// Plane geometry of the world: distances, facing, straight-line moves, sight across walls.
#include "world/Vec3.h"

#include <cmath>

namespace sim {

inline float Distance(const Vec3& a, const Vec3& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Heading 0 faces +y, 90 faces -x.
inline Vec3 Forward(float heading) {
    const float h = heading * 3.14159265358979f / 180.0f;
    return Vec3{-std::sin(h), std::cos(h), 0};
}

// The heading that faces from a towards b.
inline float HeadingTowards(const Vec3& a, const Vec3& b) {
    const float deg = std::atan2(-(b.x - a.x), b.y - a.y) * 180.0f / 3.14159265358979f;
    return deg < 0 ? deg + 360.0f : deg;
}

// Moves p up to step metres towards target; true once there.
inline bool MoveToward(Vec3& p, const Vec3& target, float step) {
    const float d = Distance(p, target);
    if (d <= step || d < 1e-4f) {
        p = target;
        return true;
    }
    const float k = step / d;
    p.x += (target.x - p.x) * k;
    p.y += (target.y - p.y) * k;
    p.z += (target.z - p.z) * k;
    return false;
}

// Whether segments ab and cd cross in plan.
inline bool SegmentsCross(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                          float dy) {
    auto side = [](float px, float py, float qx, float qy, float rx, float ry) {
        const float v = (qx - px) * (ry - py) - (qy - py) * (rx - px);
        return v > 0 ? 1 : v < 0 ? -1 : 0;
    };
    const int s1 = side(ax, ay, bx, by, cx, cy), s2 = side(ax, ay, bx, by, dx, dy);
    const int s3 = side(cx, cy, dx, dy, ax, ay), s4 = side(cx, cy, dx, dy, bx, by);
    return s1 * s2 < 0 && s3 * s4 < 0;
}

} // namespace sim
