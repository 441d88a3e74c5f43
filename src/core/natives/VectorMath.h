#pragma once
// Vector operations on the game's layout; no game calls. Headings are degrees, 0 facing +y.
#include "core/natives/Vector3.h"

namespace corvale {

Vector3 Add(const Vector3& a, const Vector3& b);
Vector3 Subtract(const Vector3& a, const Vector3& b);
Vector3 Scale(const Vector3& v, float factor);
float Length(const Vector3& v);
// A vector of length 0 stays the zero vector.
Vector3 Normalise(const Vector3& v);
// All three components exactly 0.
bool IsZero(const Vector3& v);
// The lower bound is applied first, so hi wins when lo > hi.
float Clamp(float value, float lo, float hi);
// Whole degrees in [0, 360) of the direction from b to a: 0 when a lies due +x of b, 90 due +y.
float HeadingBetween(const Vector3& a, const Vector3& b);
// (-sin h, cos h, z) for a heading h in degrees.
Vector3 DirectionFromHeading(float heading, float z);

} // namespace corvale
