#pragma once
// Map data sets the game streams in by name (buildings, props, terrain changes), by hash.
#include "core/natives/NativeCall.h"

namespace corvale {

// The set the still business needs around its camps.
inline constexpr Hash kStillBusinessMapData = 0x45CC752E;

bool IsMapDataActive(Hash set);
void RequestMapData(Hash set);

} // namespace corvale
