// Objects: creation and settling on the ground.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterObjectNatives(NativeTable& t) {
    t.add(0x509d5878eb39e842, "CREATE_OBJECT", "Hash,float,float,float,BOOL,BOOL,BOOL,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              if (!w.streaming.loaded(a.u(0), w.frame)) {
                  sim.trace("create object " + NameOf(w, a.u(0)) + " refused: model not loaded");
                  return r.setInt(0);
              }
              const int32_t object = w.spawn(EntityKind::Object, a.u(0), a.vec(1), 0);
              sim.trace("spawn object " + NameOf(w, a.u(0)) + " #" + std::to_string(object) +
                        " at " + Describe(a.vec(1)));
              r.setInt(object);
          });
    t.add(0x58a850eaee20faa3, "PLACE_OBJECT_ON_GROUND_PROPERLY", "Object,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              Entity* e = sim.world().entity(a.i(0));
              if (e) e->position.z = sim.world().ground.height;
              r.setBool(e != nullptr);
          });
}

} // namespace sim
