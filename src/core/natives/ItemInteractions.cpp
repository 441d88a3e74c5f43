#include "core/natives/ItemInteractions.h"

namespace corvale {

namespace {
constexpr uint64_t kTaskItemInteraction2 = 0x72f52aa2d2b172cc;
constexpr uint64_t kGetItemInteractionState = 0x6aa3dca2c6f5eb6d;
constexpr uint64_t kSetItemInteractionState = 0xb35370d5353995cb;
constexpr uint64_t kIsPedRunningTaskItemInteraction = 0xec7e480ff8bd0bed;
} // namespace

void StartItemInteraction(Ped ped, Hash itemSet, Object object, Hash slot, Hash state,
                          int32_t flags, float duration) {
    Invoke(kTaskItemInteraction2, ped, itemSet, object, slot, state, flags, 0, duration);
}

Hash ItemInteractionState(Ped ped) {
    return Invoke<Hash>(kGetItemInteractionState, ped);
}

void SetItemInteractionState(Ped ped, Hash state) {
    Invoke(kSetItemInteractionState, ped, state, 0.0f);
}

bool IsPedRunningItemInteraction(Ped ped) {
    return Invoke<bool>(kIsPedRunningTaskItemInteraction, ped);
}

} // namespace corvale
