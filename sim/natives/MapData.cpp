// Map data sets, active from the request on.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterMapDataNatives(NativeTable& t) {
    t.add(0x59767c5a7a9ae6da, "REQUEST_IPL_HASH", "Hash", [](Call& c) {
        if (c.w.streaming.mapData.insert(c.u(0)).second)
            c.trace("map data " + NameOf(c.w, c.u(0)) + " requested");
    });
    t.add(0xd779b9b910bd3b7c, "IS_IPL_ACTIVE_HASH", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.mapData.count(c.u(0)) > 0); });
}

} // namespace sim
