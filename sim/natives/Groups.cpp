// Ped groups: a pool of 64 the game lends by handle, each with a leader and members; the
// companion analysis the game runs on them.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

std::string Handle(int32_t h) {
    return "#" + std::to_string(h);
}

PedGroup* FindGroup(Call& c, size_t n) {
    auto it = c.w.pools.groups.inUse.find(c.i(n));
    if (it != c.w.pools.groups.inUse.end()) return &it->second;
    c.trace(std::string(c.name) + " given unknown group " + std::to_string(c.i(n)));
    return nullptr;
}

void Leave(World& w, int32_t ped) {
    for (auto& [id, g] : w.pools.groups.inUse) {
        g.members.erase(ped);
        if (g.leader == ped) g.leader = 0;
    }
}

} // namespace

void RegisterGroupNatives(NativeTable& t) {
    t.add(0x90370ebe0fee1a3d, "CREATE_GROUP", "int", [](Call& c) {
        Groups& groups = c.w.pools.groups;
        if (groups.inUse.size() >= kPoolCapacity) {
            ++c.w.pools.refused;
            c.trace("create group refused: all " + std::to_string(kPoolCapacity) + " in use");
            return c.r.setInt(0);
        }
        const int32_t id = groups.nextHandle++;
        groups.inUse[id] = PedGroup{};
        c.trace("group " + Handle(id) + " created");
        c.r.setInt(id);
    });
    t.add(0x8eb2f69076af7053, "REMOVE_GROUP", "int", [](Call& c) {
        if (c.w.pools.groups.inUse.erase(c.i(0)))
            c.trace("group " + Handle(c.i(0)) + " removed");
        else
            c.trace("REMOVE_GROUP of unknown group " + std::to_string(c.i(0)));
    });
    t.add(0x7c6b0c22f9f40bbe, "DOES_GROUP_EXIST", "int",
          [](Call& c) { c.r.setBool(c.w.pools.groups.inUse.count(c.i(0)) != 0); });
    t.add(0x2a7819605465fbce, "SET_PED_AS_GROUP_LEADER", "Ped,int,BOOL", [](Call& c) {
        if (!c.entity(0)) return;
        if (PedGroup* g = FindGroup(c, 1)) {
            Leave(c.w, c.i(0));
            g->leader = c.i(0);
        }
    });
    t.add(0x9f3480fe65db31b5, "SET_PED_AS_GROUP_MEMBER", "Ped,int", [](Call& c) {
        if (!c.entity(0)) return;
        if (PedGroup* g = FindGroup(c, 1)) {
            Leave(c.w, c.i(0));
            g->members.insert(c.i(0));
        }
    });
    t.add(0xed74007ffb146bc2, "REMOVE_PED_FROM_GROUP", "Ped", [](Call& c) {
        if (!c.entity(0)) return;
        for (auto& [id, g] : c.w.pools.groups.inUse)
            g.members.erase(c.i(0));
    });
    t.add(0xf162e133b4e7a675, "GET_PED_GROUP_INDEX", "Ped",
          [](Call& c) { c.r.setInt(c.w.pools.groups.of(c.i(0))); });
    t.add(0xcbd9ec60495c728c, "_ACTIVATE_COMPANION_ANALYSIS", "int",
          [](Call& c) { c.trace("companion analysis " + std::to_string(c.i(0))); });
}

} // namespace sim
