#include "core/natives/Combat.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kIsPedShooting{0x34616828cd07f1a1, "IS_PED_SHOOTING", "Ped"};
constexpr native::Native kIsThrownWeapon{0x30e7c16b12da8211, "_IS_WEAPON_THROWABLE", "Hash"};
constexpr native::Native kCountPedsInCombatWithTarget{
    0x5407b7288d0478b7, "COUNT_PEDS_IN_COMBAT_WITH_TARGET", "Ped,int"};
constexpr native::Native kIsPedFleeing{0xbbcce00b381f8482, "IS_PED_FLEEING", "Ped"};
constexpr native::Native kGetCurrentTargetForPed{0xcd66fea29400a0b5, "GET_CURRENT_TARGET_FOR_PED",
                                                 "Ped"};
constexpr native::Native kIsPedInMeleeCombat{0x4e209b2c1ead5159, "IS_PED_IN_MELEE_COMBAT", "Ped"};
constexpr native::Native kIsPedReloading{0x24b100c68c645951, "IS_PED_RELOADING", "Ped"};
constexpr native::Native kGetPedsInCombatWithTarget{
    0x7be607daff382fd2, "_GET_PEDS_IN_COMBAT_WITH_TARGET", "Ped,ItemSet,int"};
} // namespace

bool IsPedShooting(int32_t ped) { return Invoke<bool>(kIsPedShooting, ped); }
bool IsThrownWeapon(Hash weapon) { return Invoke<bool>(kIsThrownWeapon, weapon); }
int32_t CountPedsInCombatWith(int32_t target, int32_t flags) {
    return Invoke<int32_t>(kCountPedsInCombatWithTarget, target, flags);
}
int32_t PedsInCombatWith(Ped target, ItemSet set, int32_t flags) {
    return Invoke<int32_t>(kGetPedsInCombatWithTarget, target, set, flags);
}

bool IsPedFleeing(int32_t ped) { return Invoke<bool>(kIsPedFleeing, ped); }

Entity CurrentTargetOf(Ped ped) { return Invoke<Entity>(kGetCurrentTargetForPed, ped); }
bool IsPedInMeleeCombat(Ped ped) { return Invoke<bool>(kIsPedInMeleeCombat, ped); }
bool IsPedReloading(Ped ped) { return Invoke<bool>(kIsPedReloading, ped); }

} // namespace corvale
