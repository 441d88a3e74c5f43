#pragma once
// The player: the cached ped handle, the player index and position.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

// The player's ped as cached at the top of the current frame.
Ped PlayerPed();
// Re-reads the player's ped; the camp runtime calls it first thing every frame.
void RefreshPlayerPed();
int32_t PlayerIndex();
Vector3 PlayerPosition();
// By player index (0: the single-player player).
bool IsPlayerDead(int32_t player);

} // namespace corvale
