// Positions and state of entities.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterEntityNatives(NativeTable& t) {
    t.add(0xa86d5f069399f44d, "GET_ENTITY_COORDS", "Entity,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setVector(e ? e->position : Vec3{});
          });
}

} // namespace sim
