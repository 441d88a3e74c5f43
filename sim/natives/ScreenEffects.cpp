// The screen as a whole: the HUD and post effects.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterScreenEffectNatives(NativeTable& t) {
    t.add(0xd63fe3af9fb3d53f, "DISPLAY_HUD", "BOOL", [](Call& c) {
        if (c.w.effects.hud != c.b(0)) c.trace(c.b(0) ? "HUD shown" : "HUD hidden");
        c.w.effects.hud = c.b(0);
    });
    t.add(0x4102732df6b4005f, "ANIMPOSTFX_PLAY", "const char*", [](Call& c) {
        if (!c.s(0)) return c.fault("no effect name");
        c.w.effects.postEffects.insert(c.s(0));
        c.trace(std::string("post effect ") + c.s(0));
    });
    t.add(0x66560a0d4c64fd21, "ANIMPOSTFX_STOP_ALL", "",
          [](Call& c) { c.w.effects.postEffects.clear(); });
}

} // namespace sim
