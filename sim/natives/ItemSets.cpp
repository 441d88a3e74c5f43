// Item sets: lists of 64 the game lends by handle and a native fills (the peds fighting a
// target).
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterItemSetNatives(NativeTable& t) {
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
