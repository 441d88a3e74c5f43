// The mission flag: set while a mission of the plug-ins runs.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterMissionNatives(NativeTable& t) {
    t.add(0x36694b456be80d0a, "SET_MISSION_FLAG", "BOOL",
          [](Call& c) { c.w.law.missionFlag = c.b(0); });
}

} // namespace sim
