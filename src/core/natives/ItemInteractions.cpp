#include "core/natives/ItemInteractions.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kTaskItemInteraction2{0x72f52aa2d2b172cc, "_TASK_ITEM_INTERACTION_2",
                                               "Ped,Hash,Object,Hash,Hash,int,Any,float"};
constexpr native::Native kGetItemInteractionState{0x6aa3dca2c6f5eb6d, "GET_ITEM_INTERACTION_STATE",
                                                  "Ped"};
constexpr native::Native kSetItemInteractionState{0xb35370d5353995cb, "_SET_ITEM_INTERACTION_STATE",
                                                  "Ped,Hash,float"};
constexpr native::Native kIsPedRunningTaskItemInteraction{
    0xec7e480ff8bd0bed, "IS_PED_RUNNING_TASK_ITEM_INTERACTION", "Ped"};
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
