#pragma once
// The navigation mesh: peds find their way only where it has loaded around them.
#include "core/natives/Vector3.h"

namespace corvale {

// Asks the game to load the mesh within radius metres of (x, y).
void RequestNavmeshRegion(float x, float y, float radius);
// The mesh has loaded over the box from a to b.
bool IsNavmeshLoadedInArea(const Vector3& a, const Vector3& b);

} // namespace corvale
