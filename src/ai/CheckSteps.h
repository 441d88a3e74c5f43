#pragma once
// What both point checks share: where the guard stood, his way back, and handing the
// recorded sequence to him.
#include "core/natives/Handles.h"
#include "core/natives/Sequences.h"
#include "core/natives/Vector3.h"

namespace corvale {

struct CheckStart {
    Vector3 position;
    float heading = 0.0f;
    int32_t post = -1; // the scenario point he works at; -1 when none
};

inline constexpr int32_t kNoScenarioPoint = -1;

CheckStart ReadCheckStart(Ped ped);
// Records the way back into the open sequence: to his scenario point when he has one, else
// walking back to where he stood and turning to his old heading.
void RecordReturn(const CheckStart& start);
// Closes the sequence, has the ped perform it and gives it back to the game.
void PerformAndClear(Ped ped, Sequence& sequence);

} // namespace corvale
