#pragma once
// Task sequences: tasks recorded between open and close (given to ped 0) and then performed
// by a ped as one. The game lends a sequence from a small pool: clear it once performed.
#include "core/natives/Handles.h"

namespace corvale {

using Sequence = int32_t;
inline constexpr Sequence kNoSequence = 0;

// Opens a sequence for recording; kNoSequence when the game has none left to lend.
Sequence OpenSequence();
void CloseSequence(Sequence sequence);
// The ped runs a copy of the sequence; it keeps running after the sequence is cleared.
void PerformSequence(Ped ped, Sequence sequence);
// Gives the sequence back to the game; the handle becomes kNoSequence.
void ClearSequence(Sequence& sequence);
// The step the ped's performed sequence is at; -1 before it starts and after its last step.
int32_t SequenceProgress(Ped ped);

} // namespace corvale
