#pragma once
// Natives the developer debug tools use (the business plug-in asks for the saddle horse too).
#include "core/natives/Decorations.h"
#include "core/natives/NativeCall.h"

namespace corvale {

void SetInvincible(int32_t entity, bool on);
int32_t SaddleHorse(int32_t playerIndex);     // 0 when none
int32_t TargetedEntity(int32_t playerIndex);  // 0 when none
int32_t FreeAimedEntity(int32_t playerIndex); // 0 when none
void SetInteractionLockOn(int32_t entity, int32_t playerIndex, int32_t flag, bool on);
void ClearArea(const Vector3& centre, float radius, int32_t flags);
// Ammunition the developer's F1 gift adds, by the game's ammo hashes.
inline constexpr Hash kGiftAmmoSmall = 0xa64daa5e;
inline constexpr Hash kGiftAmmoLarge = 0x88a8505c;
void AddAmmo(int32_t ped, Hash ammo, int32_t count, Hash reason);
void AddAmmoByType(int32_t ped, Hash ammoType, int32_t count, Hash reason);
void SetMaxWantedLevel(int32_t level);

} // namespace corvale
