// Front-end sounds.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterAudioNatives(NativeTable& t) {
    t.add(0x67c540aa08e4a6f5, "PLAY_SOUND_FRONTEND", "const char*,const char*,BOOL,Any",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              if (!a.s(0) || !a.s(1)) return sim.fault("sound without a name or set");
              w.screen.sounds.push_back(PlayedSound{w.frame, a.s(0), a.s(1)});
              sim.trace(std::string("sound: ") + a.s(0) + " of " + a.s(1));
          });
}

} // namespace sim
