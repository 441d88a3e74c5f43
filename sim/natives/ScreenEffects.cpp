// The screen as a whole: fades, HUD and radar, post effects, cinematic bars.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

void StartFade(Call& c, bool toBlack) {
    Fade& f = c.w.effects.fade;
    f.toBlack = toBlack;
    f.startedAt = c.w.gameTimer;
    f.durationMs = c.i(0) < 0 ? 0 : c.i(0);
    f.started = true;
    c.trace(std::string(toBlack ? "screen fades out" : "screen fades in") + " over " +
            std::to_string(f.durationMs) + " ms");
}

} // namespace

void RegisterScreenEffectNatives(NativeTable& t) {
    t.add(0x40c719a5e410b9e4, "DO_SCREEN_FADE_OUT", "int", [](Call& c) { StartFade(c, true); });
    t.add(0x6a053cf596f67df7, "DO_SCREEN_FADE_IN", "int", [](Call& c) { StartFade(c, false); });
    t.add(0xd63fe3af9fb3d53f, "DISPLAY_HUD", "BOOL", [](Call& c) {
        if (c.w.effects.hud != c.b(0)) c.trace(c.b(0) ? "HUD shown" : "HUD hidden");
        c.w.effects.hud = c.b(0);
    });
    t.add(0x1b3da717b9aff828, "DISPLAY_RADAR", "BOOL", [](Call& c) {
        if (c.w.effects.radar != c.b(0)) c.trace(c.b(0) ? "radar shown" : "radar hidden");
        c.w.effects.radar = c.b(0);
    });
    t.add(0x4102732df6b4005f, "ANIMPOSTFX_PLAY", "const char*", [](Call& c) {
        if (!c.s(0)) return c.fault("no effect name");
        c.w.effects.postEffects.insert(c.s(0));
        c.trace(std::string("post effect ") + c.s(0));
    });
    t.add(0x66560a0d4c64fd21, "ANIMPOSTFX_STOP_ALL", "",
          [](Call& c) { c.w.effects.postEffects.clear(); });
    t.add(0xce7a90b160f75046, "SET_CINEMATIC_MODE_ACTIVE", "BOOL",
          [](Call& c) { c.w.effects.cinematic = c.b(0); });
}

} // namespace sim
