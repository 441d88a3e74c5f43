// Positions and state of entities.
#include "Simulator.h"
#include "natives/Families.h"

#include <cmath>

namespace sim {

void RegisterEntityNatives(NativeTable& t) {
    t.add(0xa86d5f069399f44d, "GET_ENTITY_COORDS", "Entity,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setVector(e ? e->position : Vec3{});
          });
    t.add(0x0be7f4e3cdbafb28, "GET_DISTANCE_BETWEEN_COORDS",
          "float,float,float,float,float,float,BOOL",
          [](Simulator&, const NativeArgs& a, NativeResult& r) {
              const Vec3 p = a.vec(0), q = a.vec(3);
              const float dx = p.x - q.x, dy = p.y - q.y, dz = a.b(6) ? p.z - q.z : 0.0f;
              r.setFloat(std::sqrt(dx * dx + dy * dy + dz * dz));
          });
}

} // namespace sim
