// The player's ped and index.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterPlayerNatives(NativeTable& t) {
    t.add(0x096275889b8e0ee0, "PLAYER_PED_ID", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setInt(sim.world().player.ped);
          });
    t.add(0x217e9dc48139933d, "PLAYER_ID", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setInt(sim.world().player.index);
          });
}

} // namespace sim
