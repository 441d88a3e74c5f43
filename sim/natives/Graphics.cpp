// Texture dictionaries and sprites.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterGraphicsNatives(NativeTable& t) {
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const World& w = sim.world();
              r.setBool(a.s(0) && w.streaming.loaded(a.s(0), w.frame));
          });
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (!a.s(0)) return sim.fault("texture dictionary request without a name");
              sim.world().streaming.request(a.s(0), sim.world().frame);
          });
    // A sprite of a dictionary that is not loaded yet is not drawn, as in the game.
    t.add(0xc9884ecade94cb34, "DRAW_SPRITE",
          "const char*,const char*,float,float,float,float,float,int,int,int,int,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              if (!a.s(0) || !a.s(1)) return sim.fault("sprite without dictionary or texture");
              if (!w.streaming.loaded(a.s(0), w.frame)) return;
              w.screen.sprites.push_back(DrawnSprite{a.s(0), a.s(1), a.f(2), a.f(3), a.f(4), a.f(5),
                                                     Colour{a.i(7), a.i(8), a.i(9), a.i(10)}});
          });
}

} // namespace sim
