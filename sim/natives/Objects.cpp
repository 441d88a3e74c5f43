// Objects: creation and settling on the ground.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterObjectNatives(NativeTable& t) {
    t.add(0x509d5878eb39e842, "CREATE_OBJECT", "Hash,float,float,float,BOOL,BOOL,BOOL,BOOL,BOOL",
          [](Call& c) {
              World& w = c.w;
              if (!w.streaming.loaded(c.u(0), w.frame)) {
                  c.sim.trace("create object " + NameOf(w, c.u(0)) + " refused: model not loaded");
                  return c.r.setInt(0);
              }
              const int32_t object = w.spawn(EntityKind::Object, c.u(0), c.vec(1), 0);
              c.sim.trace("spawn object " + NameOf(w, c.u(0)) + " #" + std::to_string(object) +
                          " at " + Describe(c.vec(1)));
              c.r.setInt(object);
          });
    t.add(0x58a850eaee20faa3, "PLACE_OBJECT_ON_GROUND_PROPERLY", "Object,BOOL", [](Call& c) {
        Entity* e = c.w.entity(c.i(0));
        if (e) e->position.z = c.w.ground.height;
        c.r.setBool(e != nullptr);
    });
}

} // namespace sim
