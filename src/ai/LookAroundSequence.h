#pragma once
// An alarmed guard searches around a point: he walks up to it and stares, then looks out from
// a few spots around it, and goes back to where he stood to keep watch.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <cstdint>

namespace corvale {

// Hands the guard the whole search as one sequence and gives the sequence back to the game.
// A zero point means "behind him": he searches there from where he stands. A dead guard (or
// one no longer in the world) gets nothing.
void RunLookAround(Ped guard, const Vector3& point, int32_t lookPoints);

} // namespace corvale
