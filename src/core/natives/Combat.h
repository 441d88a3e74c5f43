#pragma once
// Who fights: the player's use of weapons, as the throw sampler reads it, and peds who run
// from a fight.
#include "core/natives/NativeCall.h"

namespace corvale {

bool IsPedShooting(int32_t ped);    // the ped is using its weapon this frame
bool IsThrownWeapon(Hash weapon);   // a weapon that is thrown (knife, dynamite, bottle...)
// How many peds are fighting the target ped now.
int32_t CountPedsInCombatWith(int32_t target, int32_t flags);
// The ped has given up the fight and runs.
bool IsPedFleeing(int32_t ped);

} // namespace corvale
