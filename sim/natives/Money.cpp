// The player's cash and inventory.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {
constexpr int32_t kPlayerInventory = 1;
}

void RegisterMoneyNatives(NativeTable& t) {
    t.add(0x0c02dabfa3b98176, "_MONEY_GET_CASH_BALANCE", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setInt(static_cast<int32_t>(sim.world().player.cashCents));
          });
    // The game refuses to take more than the player has.
    t.add(0x466bc8769cf26a7a, "_MONEY_DECREMENT_CASH_BALANCE", "int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              Player& p = sim.world().player;
              const int32_t amount = a.i(0);
              if (amount < 0 || amount > p.cashCents) return r.setBool(false);
              p.cashCents -= amount;
              sim.trace("cash -" + std::to_string(amount) + " = " + std::to_string(p.cashCents));
              r.setBool(true);
          });
    t.add(0x13d234a2a3f66e63, "_INVENTORY_GET_INVENTORY_ID_FROM_PED", "Ped",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setInt(a.i(0) == sim.world().player.ped ? kPlayerInventory : 0);
          });
    t.add(0xe787f05dfc977bde, "_INVENTORY_GET_INVENTORY_ITEM_COUNT_WITH_ITEMID", "int,Hash,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              if (a.i(0) != kPlayerInventory) return r.setInt(0);
              const auto& items = sim.world().player.items;
              auto it = items.find(a.u(1));
              r.setInt(it == items.end() ? 0 : it->second);
          });
}

} // namespace sim
