// The player's ped and index, whether the law has him or he is dead, the noise he makes.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterPlayerNatives(NativeTable& t) {
    t.add(0x096275889b8e0ee0, "PLAYER_PED_ID", "", [](Call& c) { c.r.setInt(c.w.player.ped); });
    t.add(0x217e9dc48139933d, "PLAYER_ID", "", [](Call& c) { c.r.setInt(c.w.player.index); });
    t.add(0xad401c63158acbaa, "IS_LAW_INCIDENT_ACTIVE", "Player",
          [](Call& c) { c.r.setBool(c.w.player.wanted); });
    t.add(0xc8183ae963c58374, "IS_PLAYER_BEING_ARRESTED", "Player,BOOL",
          [](Call& c) { c.r.setBool(c.i(0) == c.w.player.index && c.w.player.arrested); });
    t.add(0x2e9c3fcb6798f397, "IS_PLAYER_DEAD", "Player", [](Call& c) {
        // Player indices other than the player's own have no ped in this world.
        c.r.setBool(c.i(0) == c.w.player.index && c.w.player.dead);
    });
    t.add(0xd7ecc25e176ecba5, "GET_PLAYER_CURRENT_STEALTH_NOISE", "Player",
          [](Call& c) { c.r.setFloat(c.w.perception.playerNoise); });
}

} // namespace sim
