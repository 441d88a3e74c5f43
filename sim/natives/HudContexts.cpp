// HUD contexts: the game's HUD layouts a script switches on (a shop's, for example).
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/HudArgs.h"

namespace sim {

void RegisterHudContextNatives(NativeTable& t) {
    t.add(0x4cc5f2fc1332577f, "_ENABLE_HUD_CONTEXT", "Hash", [](Call& c) {
        World& w = c.w;
        if (w.hudContexts.enabled.insert(c.u(0)).second)
            c.sim.trace("HUD context on: " + HashName(w, c.u(0)));
    });
    t.add(0x8bc7c1f929d07bf3, "_DISABLE_HUD_CONTEXT", "Hash", [](Call& c) {
        World& w = c.w;
        if (w.hudContexts.enabled.erase(c.u(0)))
            c.sim.trace("HUD context off: " + HashName(w, c.u(0)));
    });
    t.add(0xc9caeaeec1256e54, "_ENABLE_HUD_CONTEXT_THIS_FRAME", "Hash", [](Call& c) {
        World& w = c.w;
        w.hudContexts.onlyInFrame[c.u(0)] = w.frame;
    });
}

} // namespace sim
