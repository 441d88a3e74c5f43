// The law: wanted score, crimes reported, dispatch.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterLawNatives(NativeTable& t) {
    t.add(0xdd5fd601481f648b, "GET_WANTED_SCORE", "Player",
          [](Call& c) { c.r.setInt(c.w.law.wantedScore); });
    t.add(0xa80ff73f772acf6a, "SET_WANTED_SCORE", "Player,int", [](Call& c) {
        c.w.law.wantedScore = c.i(1);
        if (c.i(1) == 0) c.w.player.wanted = false;
    });
    t.add(0xf60386770878a98f, "_REPORT_CRIME", "Player,Hash,int,Entity,BOOL", [](Call& c) {
        c.w.law.crimes.push_back(c.u(1));
        c.w.player.wanted = true;
        c.trace("crime reported");
    });
    t.add(0xc805eb785824f712, "_ENABLE_DISPATCH_LAW", "BOOL",
          [](Call& c) { c.w.law.dispatch = c.b(0); });
    t.add(0x710448d44a64c213, "_ENABLE_DISPATCH_LAW_2", "BOOL",
          [](Call& c) { c.w.law.dispatch2 = c.b(0); });
    t.add(0x55f37f5f3f2475e1, "_SET_BOUNTY_HUNTER_PURSUIT_CLEARED", "",
          [](Call& c) { ++c.w.law.bountyPursuitsCleared; });
}

} // namespace sim
