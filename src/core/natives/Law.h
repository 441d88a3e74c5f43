#pragma once
// The law: the player's wanted score, crimes reported against him, and the dispatch of
// lawmen and bounty hunters.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

int32_t WantedScore(int32_t player);
void SetWantedScore(int32_t player, int32_t score);
// Witnessed by the law: the player becomes wanted for the crime.
void ReportCrime(int32_t player, Hash crime, int32_t bounty, int32_t witness, bool flag);
// Lawmen sent after a wanted player, and their reinforcements.
void EnableLawDispatch(bool on);
void EnableLawReinforcements(bool on);
// Calls off the bounty hunters chasing the player.
void ClearBountyHunterPursuit();

} // namespace corvale
