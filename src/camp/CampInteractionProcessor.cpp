#include "camp/CampInteractionProcessor.h"

#include "core/natives/Combat.h"
#include "core/natives/Peds.h"

namespace corvale {

bool PlayerIsAble(Ped player) {
    return IsPedOnFoot(player) && !IsPedInMeleeCombat(player);
}

} // namespace corvale
