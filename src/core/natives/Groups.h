#pragma once
// Ped groups: a leader and the members who keep with him. The game lends groups from a small
// pool; a group a script created is removed by it.
#include "core/natives/Handles.h"

#include <cstdint>

namespace corvale {

using PedGroup = int32_t;

// 0 when the game has none left to lend.
PedGroup CreatePedGroup();
void RemovePedGroup(PedGroup group);
// The group the ped leads or belongs to; 0 when none.
PedGroup GroupOf(Ped ped);
void SetGroupLeader(Ped ped, PedGroup group);
void AddToGroup(Ped ped, PedGroup group);
void RemoveFromGroup(Ped ped);

} // namespace corvale
