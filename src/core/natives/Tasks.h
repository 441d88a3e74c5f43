#pragma once
// Ped tasks: scenarios played in place and tasks cleared.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Plays the scenario where the ped stands for durationMs (-1: until cleared); the ped walks
// into it when playEnter is set. conditional is the game's scenario condition (1: any).
void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading);
// Ends every task of the ped at once, without an exit animation.
void ClearPedTasksNow(Ped ped);

} // namespace corvale
