#include "core/natives/Groups.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCreateGroup = 0x90370ebe0fee1a3d;
constexpr uint64_t kDoesGroupExist = 0x7c6b0c22f9f40bbe;
constexpr uint64_t kRemoveGroup = 0x8eb2f69076af7053;
constexpr uint64_t kSetPedAsGroupLeader = 0x2a7819605465fbce;
constexpr uint64_t kSetPedAsGroupMember = 0x9f3480fe65db31b5;
constexpr uint64_t kActivateCompanionAnalysis = 0xcbd9ec60495c728c;
constexpr uint64_t kGetPedGroupIndex = 0xf162e133b4e7a675;
constexpr uint64_t kRemovePedFromGroup = 0xed74007ffb146bc2;
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
