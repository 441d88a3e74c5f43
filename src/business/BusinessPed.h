#pragma once
// Peds of the business plug-in: the buyer and the ambush horses.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale::business {

// Creates the ped in a random outfit from a model whose wait is over, never waiting for it
// in the frame; 0 when the model is not loaded or the game refused.
Ped SpawnBusinessPed(const char* model, const Vector3& position, float heading);

} // namespace corvale::business
