#include "core/natives/Combat.h"

namespace corvale {

namespace {
constexpr uint64_t kIsPedShooting = 0x34616828cd07f1a1;
constexpr uint64_t kIsThrownWeapon = 0x5809dbca0a37c82b;
constexpr uint64_t kCountPedsInCombatWithTarget = 0x5407b7288d0478b7;
constexpr uint64_t kIsPedFleeing = 0xbbcce00b381f8482;
constexpr uint64_t kGetCurrentTargetForPed = 0xcd66fea29400a0b5;
constexpr uint64_t kIsPedInMeleeCombat = 0x4e209b2c1ead5159;
constexpr uint64_t kIsPedReloading = 0x24b100c68c645951;
constexpr uint64_t kGetPedsInCombatWithTarget = 0x7be607daff382fd2;
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
