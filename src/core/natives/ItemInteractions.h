#pragma once
// Item interactions: the player handling an object in their hands (a paper map held up and
// read), driven by the game's interaction states.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Starts the interaction with the object held in the given slot, entering at state.
void StartItemInteraction(Ped ped, Hash itemSet, Object object, Hash slot, Hash state,
                          int32_t flags, float duration);
// The state the ped's interaction is in (0 when there is none).
Hash ItemInteractionState(Ped ped);
// Moves the ped's interaction on to state (the outro puts the item away).
void SetItemInteractionState(Ped ped, Hash state);

// The ped still has an item in their hands (a map being put away).
bool IsPedRunningItemInteraction(Ped ped);

} // namespace corvale
