// The script's own timers: A is only recorded, B counts game time.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterScriptNatives(NativeTable& t) {
    t.add(0xc9d9444186b5a374, "TIMERB", "",
          [](Call& c) { c.r.setInt(c.w.gameTimer - c.w.timerBBase); });
    t.add(0x5ae11bc36633de4e, "SETTIMERB", "int",
          [](Call& c) { c.w.timerBBase = c.w.gameTimer - c.i(0); });
    t.add(0xc1b1e9a034a63a62, "SETTIMERA", "int",
          [](Call& c) { c.w.developer.scriptTimerA = c.i(0); });
}

} // namespace sim
