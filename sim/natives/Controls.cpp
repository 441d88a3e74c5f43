// The game controls: a control reads as pressed or just pressed by its hash.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

using Query = bool (Controls::*)(uint32_t) const;

// Every control group reads the same pad. A control a script disabled for this frame reads
// as idle through the plain natives; the disabled variants read through a disable.
NativeHandler Read(Query query, bool throughDisable) {
    return [query, throughDisable](Call& c) {
        const Controls& pad = c.w.controls;
        const uint32_t control = c.u(1);
        c.r.setBool((throughDisable || !pad.disabled.count(control)) && (pad.*query)(control));
    };
}

} // namespace

void RegisterControlNatives(NativeTable& t) {
    t.add(0x580417101ddb492f, "IS_CONTROL_JUST_PRESSED", "int,Hash",
          Read(&Controls::justPressed, false));
    t.add(0x91aef906bca88877, "IS_DISABLED_CONTROL_JUST_PRESSED", "int,Hash",
          Read(&Controls::justPressed, true));
    t.add(0xf3a21bcd95725a4a, "IS_CONTROL_PRESSED", "int,Hash", Read(&Controls::pressed, false));
    // Holds for the rest of this frame; scripts disable again every frame.
    t.add(0xfe99b66d079cf6bc, "DISABLE_CONTROL_ACTION", "int,Hash,BOOL",
          [](Call& c) { c.w.controls.disabled.insert(c.u(1)); });
}

} // namespace sim
