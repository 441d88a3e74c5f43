// The radar, shown or hidden.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterRadarNatives(NativeTable& t) {
    t.add(0x1b3da717b9aff828, "DISPLAY_RADAR", "BOOL", [](Call& c) {
        if (c.w.effects.radar != c.b(0)) c.trace(c.b(0) ? "radar shown" : "radar hidden");
        c.w.effects.radar = c.b(0);
    });
}

} // namespace sim
