#include "core/natives/Weapons.h"

#include "core/natives/OutSlot.h"

namespace corvale {

namespace {
constexpr uint64_t kGetCurrentPedWeapon = 0x3a87e44bb9a01d54;
constexpr uint64_t kGetPedLastWeaponImpactCoord = 0x6c4d0409ba1a2bc2;
constexpr uint64_t kHasPedGotWeapon = 0x8decb02f88f428bc;
constexpr uint64_t kGiveDelayedWeaponToPed = 0xb282dc6ebd803c75;
constexpr uint64_t kSetCurrentPedWeapon = 0xadf692b254977c0c;
constexpr uint64_t kGetBestPedWeapon = 0x8483e98e8b888ae2;
constexpr uint64_t kHidePedWeapons = 0xfccc886ede3c63ec;
constexpr uint64_t kIsWeaponAGun = 0x705be297eebdb95d;
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
