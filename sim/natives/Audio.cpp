// Frontend sounds: what was played, by sound set and name; the voices peds speak in.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterAudioNatives(NativeTable& t) {
    t.add(0x67c540aa08e4a6f5, "PLAY_SOUND_FRONTEND", "const char*,const char*,BOOL,Any",
          [](Call& c) {
              World& w = c.w;
              PlayedSound s{c.s(1) ? c.s(1) : "", c.s(0) ? c.s(0) : "", w.frame};
              c.sim.trace("sound: " + s.soundSet + " " + s.sound);
              w.screen.sounds.push_back(std::move(s));
          });
    // Frontend sounds here are one-shots that end at once; stopping one has nothing to end.
    t.add(0x0f2a2175734926d8, "_STOP_SOUND_WITH_NAME", "const char*,const char*", [](Call& c) {
        if (!c.s(0) || !c.s(1)) c.sim.fault("_STOP_SOUND_WITH_NAME with a null name");
    });
    t.add(0x6c8065a3b780185b, "SET_AMBIENT_VOICE_NAME", "Ped,const char*", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].voice = c.s(1) ? c.s(1) : "";
    });
}

} // namespace sim
