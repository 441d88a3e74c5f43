#pragma once
// Peds of the business plug-in: the buyer and the ambush horses.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale::business {

// Requests the model and waits for it (bounded, as every model wait), then creates the ped
// in a random outfit; 0 when the model never loaded or the game refused.
Ped SpawnBusinessPed(const char* model, const Vector3& position, float heading);

} // namespace corvale::business
