// The player's ped and index, whether he is dead, wanted or fought.
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
    t.add(0x2e9c3fcb6798f397, "IS_PLAYER_DEAD", "Player",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setBool(sim.world().player.dead);
          });
    t.add(0xad401c63158acbaa, "IS_LAW_INCIDENT_ACTIVE", "Player",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setBool(sim.world().player.wanted);
          });
    t.add(0xd7ecc25e176ecba5, "GET_PLAYER_CURRENT_STEALTH_NOISE", "Player",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setFloat(sim.world().player.stealthNoise);
          });
    t.add(0x36694b456be80d0a, "SET_MISSION_FLAG", "BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().missionFlag = a.b(0);
          });
    // Only the player is ever fought: `player combat on` makes him count as fought.
    t.add(0x5407b7288d0478b7, "COUNT_PEDS_IN_COMBAT_WITH_TARGET", "Ped,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Player& p = sim.world().player;
              r.setInt(a.i(0) == p.ped && p.inCombat ? 1 : 0);
          });
}

} // namespace sim
