#include "core/natives/VectorMath.h"

#include <cmath>

namespace corvale {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Vector3 Add(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vector3 Subtract(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vector3 Scale(const Vector3& v, float factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

float Length(const Vector3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vector3 Normalise(const Vector3& v) {
    const float length = Length(v);
    if (length == 0.0f) return {};
    return Scale(v, 1.0f / length);
}

bool IsZero(const Vector3& v) {
    return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
}

float Clamp(float value, float lo, float hi) {
    if (value < lo) value = lo;
    if (value > hi) value = hi;
    return value;
}

float HeadingBetween(const Vector3& a, const Vector3& b) {
    // In double so that exact compass directions do not truncate to one degree less.
    const double degrees = std::atan2(double(a.y) - b.y, double(a.x) - b.x) * (180.0 / kPi);
    const int whole = static_cast<int>(std::trunc(degrees));
    return static_cast<float>((360 + whole) % 360);
}

Vector3 DirectionFromHeading(float heading, float z) {
    const double radians = heading * (kPi / 180.0);
    return {static_cast<float>(-std::sin(radians)), static_cast<float>(std::cos(radians)), z};
}

} // namespace corvale
