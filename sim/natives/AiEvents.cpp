// The game's AI events around a ped: the recent ones it noticed, newest first, and who caused
// them.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterAiEventNatives(NativeTable& t) {
    // The index-th most recent event the ped noticed, newest first; 0 when none.
    t.add(0x796eecff0c6d39be, "_EVENT_GET_RECENT_EVENT", "Entity,int,int", [](Call& c) {
        auto it = c.w.perception.recent.find(c.i(0));
        const int32_t index = c.i(1);
        if (it == c.w.perception.recent.end() || index < 0 || index >= int32_t(it->second.size()))
            return c.r.setU32(0);
        c.r.setU32(it->second[size_t(index)].type);
    });
    t.add(0x822a001bcea5bd81, "_EVENT_GET_SOURCE_ENTITY_FROM_EVENT", "Entity,Hash,int,int",
          [](Call& c) {
              auto it = c.w.perception.recent.find(c.i(0));
              if (it != c.w.perception.recent.end())
                  for (const RecentEvent& e : it->second)
                      if (e.type == c.u(1)) return c.r.setInt(e.source);
              c.r.setInt(0);
          });
}

} // namespace sim
