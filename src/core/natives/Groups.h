#pragma once
// Ped groups: peds that move and fight together around a leader. The game lends a group
// from a small pool; whoever creates one gives it back.
#include "core/natives/Handles.h"

#include <cstdint>

namespace corvale {

using PedGroup = int32_t;
inline constexpr PedGroup kNoPedGroup = 0;

// A new group; kNoPedGroup when the game has none left to lend.
PedGroup CreatePedGroup(int32_t flags);
bool PedGroupExists(PedGroup group);
// Gives the group back to the game's pool; its peds stay where they are.
void RemovePedGroup(PedGroup group);
void SetPedAsGroupLeader(Ped ped, PedGroup group, bool flag);
void SetPedAsGroupMember(Ped ped, PedGroup group);
// Lets the game's companion logic read the group's members.
void ActivateCompanionAnalysis(PedGroup group);
// The group the ped leads or belongs to; kNoPedGroup when none.
PedGroup GroupOf(Ped ped);
void RemoveFromGroup(Ped ped);

} // namespace corvale
