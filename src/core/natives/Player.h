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
bool IsPlayerDead(int32_t player);
// The law has the player in hand (hands up, cuffed, led away).
bool IsPlayerBeingArrested(int32_t player);
// The law is after the player (a crime seen, a bounty being chased).
bool IsLawIncidentActive(int32_t player);
// How loud the player is now, as the game's stealth hears it.
float PlayerStealthNoise(int32_t player);

} // namespace corvale
