#include "camp/CampInteractionProcessor.h"

#include "core/natives/Combat.h"
#include "core/natives/Peds.h"
#include "core/natives/Prompt.h"

namespace corvale {

void Offer(Prompt& prompt, bool enabled) {
    if (prompt.visible() && prompt.enabled() == enabled) return;
    prompt.set(enabled, true);
}

void Withdraw(Prompt& prompt) {
    if (prompt.visible()) prompt.hide();
}

bool PlayerIsAble(Ped player) {
    return IsPedOnFoot(player) && !IsPedInMeleeCombat(player);
}

} // namespace corvale
