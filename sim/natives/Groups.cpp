// Ped groups and item sets: pools of 64 the game lends by handle. A group has a leader and
// members; an item set is a list a native fills (the peds fighting a target).
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
        for (auto& [id, g] : c.w.pools.groups.inUse) g.members.erase(c.i(0));
    });
    t.add(0xf162e133b4e7a675, "GET_PED_GROUP_INDEX", "Ped",
          [](Call& c) { c.r.setInt(c.w.pools.groups.of(c.i(0))); });

    t.add(0xa1af16083320065a, "CREATE_ITEMSET", "BOOL", [](Call& c) {
        ItemSets& sets = c.w.pools.itemSets;
        if (sets.inUse.size() >= kPoolCapacity) {
            ++c.w.pools.refused;
            c.trace("create item set refused: all " + std::to_string(kPoolCapacity) + " in use");
            return c.r.setInt(0);
        }
        const int32_t handle = sets.nextHandle++;
        sets.inUse[handle] = {};
        c.r.setInt(handle);
    });
    t.add(0x712bc69f10549b92, "DESTROY_ITEMSET", "ItemSet", [](Call& c) {
        if (!c.w.pools.itemSets.inUse.erase(c.i(0)))
            c.trace("DESTROY_ITEMSET of unknown item set " + std::to_string(c.i(0)));
    });
    t.add(0x55f2e375ac6018a9, "GET_ITEMSET_SIZE", "ItemSet", [](Call& c) {
        auto it = c.w.pools.itemSets.inUse.find(c.i(0));
        c.r.setInt(it == c.w.pools.itemSets.inUse.end() ? 0 : int32_t(it->second.size()));
    });
    t.add(0x275a2e2c0fab7612, "GET_INDEXED_ITEM_IN_ITEMSET", "int,ItemSet", [](Call& c) {
        auto it = c.w.pools.itemSets.inUse.find(c.i(1));
        const int32_t index = c.i(0);
        if (it == c.w.pools.itemSets.inUse.end() || index < 0 ||
            index >= int32_t(it->second.size()))
            return c.fault("item " + std::to_string(index) + " of item set " +
                           std::to_string(c.i(1)) + " does not exist");
        c.r.setInt(it->second[size_t(index)]);
    });
}

} // namespace sim
