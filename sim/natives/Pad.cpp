// Game controls: pressed, just pressed, disabled for a frame.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterPadNatives(NativeTable& t) {
    t.add(0xf3a21bcd95725a4a, "IS_CONTROL_PRESSED", "int,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Controls& c = sim.world().controls;
              r.setBool(c.held.count(a.u(1)) || c.justPressed.count(a.u(1)));
          });
    t.add(0x580417101ddb492f, "IS_CONTROL_JUST_PRESSED", "int,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Controls& c = sim.world().controls;
              r.setBool(c.justPressed.count(a.u(1)) && !c.disabled.count(a.u(1)));
          });
    t.add(0xfe99b66d079cf6bc, "DISABLE_CONTROL_ACTION", "int,Hash,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().controls.disabled.insert(a.u(1));
          });
}

} // namespace sim
