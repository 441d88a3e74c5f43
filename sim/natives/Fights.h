#pragma once
// Who fights whom, as the combat tasks say: read by the combat natives and by the ped's own.
#include "World.h"

#include <cstdint>
#include <vector>

namespace sim {

// Living peds whose running task is a fight with target (any target for 0).
std::vector<int32_t> Fighting(const World& w, int32_t target);

// The ped is alive and fights target (anyone for 0); the player also when enemies fight him.
bool InCombat(const World& w, int32_t ped, int32_t target);

} // namespace sim
