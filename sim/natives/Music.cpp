// Music events: what was triggered and cancelled, in order.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterMusicNatives(NativeTable& t) {
    t.add(0x706d57b0f50da710, "TRIGGER_MUSIC_EVENT", "const char*", [](Call& c) {
        if (!c.s(0)) return c.fault("no music event name");
        c.w.effects.music.push_back(c.s(0));
        c.trace(std::string("music: ") + c.s(0));
        c.r.setBool(true);
    });
    t.add(0x5b17a90291133da5, "CANCEL_MUSIC_EVENT", "const char*", [](Call& c) {
        if (!c.s(0)) return c.fault("no music event name");
        c.w.effects.music.push_back(std::string("cancel ") + c.s(0));
        c.r.setBool(true);
    });
}

} // namespace sim
