#pragma once
// The game's random numbers.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <span>

namespace corvale {

// min <= result < max.
int32_t RandomInt(int32_t min, int32_t max);
// A float in [0, 1).
float RandomFloat01();
// One element drawn with RandomInt (0, size); an empty list gives the zero vector or 0.
Vector3 RandomElement(std::span<const Vector3> positions);
Entity RandomElement(std::span<const Entity> handles);

// min <= result < max.
float RandomFloat(float min, float max);

} // namespace corvale
