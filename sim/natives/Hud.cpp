// HUD contexts and screen text.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterHudNatives(NativeTable& t) {
    t.add(0x4cc5f2fc1332577f, "_ENABLE_HUD_CONTEXT", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().controls.hudContexts.insert(a.u(0));
          });
    t.add(0x8bc7c1f929d07bf3, "_DISABLE_HUD_CONTEXT", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().controls.hudContexts.erase(a.u(0));
          });
    t.add(0xc9caeaeec1256e54, "_ENABLE_HUD_CONTEXT_THIS_FRAME", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().controls.hudThisFrame.insert(a.u(0));
          });
    t.add(0x50a41ad966910f03, "_SET_TEXT_COLOR", "int,int,int,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().screen.textColour = Colour{a.i(0), a.i(1), a.i(2), a.i(3)};
          });
    t.add(0xa1253a3c870b6843, "_BG_SET_TEXT_SCALE", "float,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().screen.textScaleX = a.f(0);
              sim.world().screen.textScaleY = a.f(1);
          });
    t.add(0xd79334a4bb99bad1, "_DISPLAY_TEXT", "const char*,float,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              const std::string* text = w.texts.resolve(a.raw(0));
              if (!text) return sim.fault("text drawn from an unknown text handle");
              w.screen.texts.push_back(DrawnText{*text, a.f(1), a.f(2), w.screen.textScaleX,
                                                 w.screen.textScaleY, w.screen.textColour});
          });
}

} // namespace sim
