// The player's ped and index.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterPlayerNatives(NativeTable& t) {
    t.add(0x096275889b8e0ee0, "PLAYER_PED_ID", "", [](Call& c) { c.r.setInt(c.w.player.ped); });
    t.add(0x217e9dc48139933d, "PLAYER_ID", "", [](Call& c) { c.r.setInt(c.w.player.index); });
}

} // namespace sim
