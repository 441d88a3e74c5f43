// The player's inventory: item counts, items taken away.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {
constexpr int32_t kPlayerInventory = 1;
}

void RegisterInventoryNatives(NativeTable& t) {
    t.add(0x13d234a2a3f66e63, "_INVENTORY_GET_INVENTORY_ID_FROM_PED", "Ped",
          [](Call& c) { c.r.setInt(c.i(0) == c.w.player.ped ? kPlayerInventory : 0); });
    t.add(0xe787f05dfc977bde, "_INVENTORY_GET_INVENTORY_ITEM_COUNT_WITH_ITEMID", "int,Hash,BOOL",
          [](Call& c) {
              const auto& items = c.w.player.items;
              auto it = items.find(c.u(1));
              c.r.setInt(c.i(0) != kPlayerInventory || it == items.end() ? 0 : it->second);
          });
    // Refused (nothing taken) when the inventory holds fewer than asked.
    t.add(0xb4158c8c9a3b5dce, "_INVENTORY_REMOVE_INVENTORY_ITEM_WITH_ITEMID", "int,Hash,int,Hash",
          [](Call& c) {
              World& w = c.w;
              if (c.i(0) != kPlayerInventory || c.i(2) < 0) return c.r.setBool(false);
              auto it = w.player.items.find(c.u(1));
              if (it == w.player.items.end() || it->second < c.i(2)) return c.r.setBool(false);
              it->second -= c.i(2);
              c.sim.trace("item " + NameOf(w, c.u(1)) + " -" + std::to_string(c.i(2)) + ", " +
                          std::to_string(it->second) + " left");
              c.r.setBool(true);
          });
}

} // namespace sim
