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
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setInt(a.i(0) == sim.world().player.ped ? kPlayerInventory : 0);
          });
    t.add(0xe787f05dfc977bde, "_INVENTORY_GET_INVENTORY_ITEM_COUNT_WITH_ITEMID", "int,Hash,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const auto& items = sim.world().player.items;
              auto it = items.find(a.u(1));
              r.setInt(a.i(0) != kPlayerInventory || it == items.end() ? 0 : it->second);
          });
    // Refused (nothing taken) when the inventory holds fewer than asked.
    t.add(0xb4158c8c9a3b5dce, "_INVENTORY_REMOVE_INVENTORY_ITEM_WITH_ITEMID", "int,Hash,int,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              if (a.i(0) != kPlayerInventory || a.i(2) < 0) return r.setBool(false);
              auto it = w.player.items.find(a.u(1));
              if (it == w.player.items.end() || it->second < a.i(2)) return r.setBool(false);
              it->second -= a.i(2);
              sim.trace("item " + NameOf(w, a.u(1)) + " -" + std::to_string(a.i(2)) + ", " +
                        std::to_string(it->second) + " left");
              r.setBool(true);
          });
}

} // namespace sim
