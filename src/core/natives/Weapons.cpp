#include "core/natives/Weapons.h"
#include "core/natives/Native.h"

#include "core/natives/OutSlot.h"

namespace corvale {

namespace {
constexpr native::Native kGetCurrentPedWeapon{0x3a87e44bb9a01d54, "GET_CURRENT_PED_WEAPON",
                                              "Ped,Hash*,BOOL,int,BOOL"};
constexpr native::Native kGetPedLastWeaponImpactCoord{
    0x6c4d0409ba1a2bc2, "GET_PED_LAST_WEAPON_IMPACT_COORD", "Ped,Vector3*"};
constexpr native::Native kHasPedGotWeapon{0x8decb02f88f428bc, "HAS_PED_GOT_WEAPON",
                                          "Ped,Hash,int,BOOL"};
constexpr native::Native kGiveDelayedWeaponToPed{0xb282dc6ebd803c75, "GIVE_DELAYED_WEAPON_TO_PED",
                                                 "Ped,Hash,int,BOOL,Hash"};
constexpr native::Native kSetCurrentPedWeapon{0xadf692b254977c0c, "SET_CURRENT_PED_WEAPON",
                                              "Ped,Hash,BOOL,int,BOOL,BOOL"};
constexpr native::Native kGetBestPedWeapon{0x8483e98e8b888ae2, "GET_BEST_PED_WEAPON",
                                           "Ped,BOOL,BOOL"};
constexpr native::Native kHidePedWeapons{0xfccc886ede3c63ec, "_HIDE_PED_WEAPONS", "Ped,int,BOOL"};
constexpr native::Native kIsWeaponAGun{0x705be297eebdb95d, "IS_WEAPON_A_GUN", "Hash"};
} // namespace

Hash CurrentWeapon(Ped ped) {
    native::OutSlot weapon;
    Invoke<bool>(kGetCurrentPedWeapon, ped, weapon.address(), false, 0, false);
    return weapon.asU32();
}

Vector3 LastImpact(Ped ped) {
    Vector3 impact;
    if (!Invoke<bool>(kGetPedLastWeaponImpactCoord, ped, &impact)) return {};
    return impact;
}

void GiveWeapon(Ped ped, Hash weapon, int32_t ammo, bool equip) {
    if (!Invoke<bool>(kHasPedGotWeapon, ped, weapon, 0, false))
        Invoke(kGiveDelayedWeaponToPed, ped, weapon, ammo, false, Hash{0});
    if (equip) Invoke(kSetCurrentPedWeapon, ped, weapon, true, 0, false, false);
}

void EquipBestWeapon(Ped ped) {
    SetCurrentWeapon(ped, BestWeapon(ped), true);
}

Hash BestWeapon(Ped ped) {
    return Invoke<Hash>(kGetBestPedWeapon, ped, false, false);
}

void SetCurrentWeapon(Ped ped, Hash weapon, bool equipNow) {
    Invoke(kSetCurrentPedWeapon, ped, weapon, equipNow, 0, false, false);
}

Hash BestWeapon(Ped ped, bool flagA, bool flagB) {
    return Invoke<Hash>(kGetBestPedWeapon, ped, flagA, flagB);
}

void SetCurrentWeapon(Ped ped, Hash weapon, bool equipNow, int32_t attachPoint, bool flagA,
                      bool flagB) {
    Invoke(kSetCurrentPedWeapon, ped, weapon, equipNow, attachPoint, flagA, flagB);
}

void HidePedWeapons(Ped ped, int32_t mode, bool immediately) {
    Invoke(kHidePedWeapons, ped, mode, immediately);
}

bool IsWeaponAGun(Hash weapon) {
    return Invoke<bool>(kIsWeaponAGun, weapon);
}

} // namespace corvale
