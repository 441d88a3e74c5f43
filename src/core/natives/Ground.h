#pragma once
// The ground under a point, random points around a centre, and map zones.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// How far the point is above the ground below it; 0 when the game finds no surface.
float HeightAboveGround(const Vector3& point);
// A point at radius from the centre in a random horizontal direction, 0.3 m above the
// centre; with snap, on the ground instead.
Vector3 RandomPointAround(const Vector3& centre, float radius, bool snap);
// A spot near the point where a ped can stand; false when the game finds none. The game
// writes `out` only when it finds one.
bool SafeCoordForPed(const Vector3& point, bool onGround, Vector3& out, int32_t flags);
// The map zone at the entity's position: the first found of zone types 1, 10 and 11, or 0.
Hash LookupAtEntity(Entity entity);

namespace zones {
inline constexpr Hash kValentine = 0x1B6880B3; // "valentine": the town the jail stands in
} // namespace zones

} // namespace corvale
