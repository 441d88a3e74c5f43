#pragma once
// Who fights whom: the player's use of weapons, as the throw sampler reads it, the peds in a
// fight and those who run from it.
#include "core/natives/Handles.h"
#include "core/natives/ItemSets.h"
#include "core/natives/NativeCall.h"

namespace corvale {

bool IsPedShooting(int32_t ped);    // the ped is using its weapon this frame
bool IsThrownWeapon(Hash weapon);   // a weapon that is thrown (knife, dynamite, bottle...)
// How many peds are fighting the target ped now.
int32_t CountPedsInCombatWith(int32_t target, int32_t flags);
// The ped has given up the fight and runs.
bool IsPedFleeing(int32_t ped);

// Whom the ped is fighting; 0 when nobody.
Entity CurrentTargetOf(Ped ped);
bool IsPedInMeleeCombat(Ped ped);
bool IsPedReloading(Ped ped);
// Fills the set with the peds fighting the target now; their count.
int32_t PedsInCombatWith(Ped target, ItemSet set, int32_t flags);

} // namespace corvale
