#include "core/natives/Groups.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kCreateGroup{0x90370ebe0fee1a3d, "CREATE_GROUP", "int"};
constexpr native::Native kDoesGroupExist{0x7c6b0c22f9f40bbe, "DOES_GROUP_EXIST", "int"};
constexpr native::Native kRemoveGroup{0x8eb2f69076af7053, "REMOVE_GROUP", "int"};
constexpr native::Native kSetPedAsGroupLeader{0x2a7819605465fbce, "SET_PED_AS_GROUP_LEADER",
                                              "Ped,int,BOOL"};
constexpr native::Native kSetPedAsGroupMember{0x9f3480fe65db31b5, "SET_PED_AS_GROUP_MEMBER",
                                              "Ped,int"};
constexpr native::Native kActivateCompanionAnalysis{0xcbd9ec60495c728c,
                                                    "_ACTIVATE_COMPANION_ANALYSIS", "int"};
constexpr native::Native kGetPedGroupIndex{0xf162e133b4e7a675, "GET_PED_GROUP_INDEX", "Ped"};
constexpr native::Native kRemovePedFromGroup{0xed74007ffb146bc2, "REMOVE_PED_FROM_GROUP", "Ped"};
} // namespace

PedGroup CreatePedGroup(int32_t flags) {
    return Invoke<PedGroup>(kCreateGroup, flags);
}

bool PedGroupExists(PedGroup group) {
    return Invoke<bool>(kDoesGroupExist, group);
}

void RemovePedGroup(PedGroup group) {
    Invoke(kRemoveGroup, group);
}

void SetPedAsGroupLeader(Ped ped, PedGroup group, bool flag) {
    Invoke(kSetPedAsGroupLeader, ped, group, flag);
}

void SetPedAsGroupMember(Ped ped, PedGroup group) {
    Invoke(kSetPedAsGroupMember, ped, group);
}

void ActivateCompanionAnalysis(PedGroup group) {
    Invoke(kActivateCompanionAnalysis, group);
}

PedGroup GroupOf(Ped ped) {
    return Invoke<PedGroup>(kGetPedGroupIndex, ped);
}

void RemoveFromGroup(Ped ped) {
    Invoke(kRemovePedFromGroup, ped);
}

} // namespace corvale
