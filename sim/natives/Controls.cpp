// The game controls: a control reads as pressed, just pressed or just released by its hash.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

using Query = bool (Controls::*)(uint32_t) const;

// Every control group reads the same pad; the disabled variants read through a disable.
NativeHandler Read(Query query) {
    return [query](Simulator& sim, const NativeArgs& a, NativeResult& r) {
        r.setBool((sim.world().controls.*query)(a.u(1)));
    };
}

} // namespace

void RegisterControlNatives(NativeTable& t) {
    t.add(0x580417101ddb492f, "IS_CONTROL_JUST_PRESSED", "int,Hash", Read(&Controls::justPressed));
    t.add(0x91aef906bca88877, "IS_DISABLED_CONTROL_JUST_PRESSED", "int,Hash",
          Read(&Controls::justPressed));
    t.add(0x50f940259d3841e6, "IS_CONTROL_JUST_RELEASED", "int,Hash",
          Read(&Controls::justReleased));
    t.add(0x305c8dcd79da8b0f, "IS_DISABLED_CONTROL_JUST_RELEASED", "int,Hash",
          Read(&Controls::justReleased));
    t.add(0xf3a21bcd95725a4a, "IS_CONTROL_PRESSED", "int,Hash", Read(&Controls::pressed));
    t.add(0xe2587f8cbbd87b1d, "IS_DISABLED_CONTROL_PRESSED", "int,Hash", Read(&Controls::pressed));
}

} // namespace sim
