#pragma once
// A ped's weapons: what it holds, where its last shot or throw landed, giving and equipping.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

namespace weapons {
inline constexpr Hash kRevolverDoubleAction = 0x797FBF5; // "WEAPON_REVOLVER_DOUBLEACTION"
inline constexpr Hash kUnarmed = 0xA2719263;             // "WEAPON_UNARMED"
} // namespace weapons

Hash CurrentWeapon(Ped ped);
// Where the ped's last shot or throw landed; the zero vector when the game reports none.
Vector3 LastImpact(Ped ped);
// Gives the weapon with ammo unless the ped has it already; equip puts it in hand.
void GiveWeapon(Ped ped, Hash weapon, int32_t ammo, bool equip);
void EquipBestWeapon(Ped ped);
// The best weapon the ped carries; the flags are the game's selection flags (none: both off).
Hash BestWeapon(Ped ped);
Hash BestWeapon(Ped ped, bool flagA, bool flagB);
// Puts the weapon in the ped's hand; equipNow skips the draw animation.
void SetCurrentWeapon(Ped ped, Hash weapon, bool equipNow);
void SetCurrentWeapon(Ped ped, Hash weapon, bool equipNow, int32_t attachPoint, bool flagA,
                      bool flagB);
// Puts the ped's weapons out of sight; how is the game's (mode, immediately).
void HidePedWeapons(Ped ped, int32_t mode, bool immediately);

// Firearms, not fists, knives or thrown weapons.
bool IsWeaponAGun(Hash weapon);

namespace weapons {
// The explosives whose blast the jail's doors give way to.
inline constexpr Hash kThrownDynamite = 0xA64DAA5E; // "WEAPON_THROWN_DYNAMITE"
inline constexpr Hash kThrownExplosive = 0x88A8505C;
} // namespace weapons

} // namespace corvale
