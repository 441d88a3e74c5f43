// Objects: creation, settling on the ground, turning and freezing in place.
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
              w.entities[object].byPlugin = true;
              c.sim.trace("spawn object " + NameOf(w, c.u(0)) + " #" + std::to_string(object) +
                          " at " + Describe(c.vec(1)));
              c.r.setInt(object);
          });
    t.add(0x58a850eaee20faa3, "PLACE_OBJECT_ON_GROUND_PROPERLY", "Object,BOOL", [](Call& c) {
        Entity* e = c.w.entity(c.i(0));
        if (e) e->position.z = c.w.ground.at(e->position);
        c.r.setBool(e != nullptr);
    });
    // The nearest object of the model within the radius, 0 when none.
    t.add(0xe143fa2249364369, "GET_CLOSEST_OBJECT_OF_TYPE",
          "float,float,float,float,Hash,BOOL,BOOL,BOOL", [](Call& c) {
              const int32_t nearest = c.w.nearest(EntityKind::Object, c.u(4), c.vec(0), false);
              const Entity* e = c.w.entity(nearest);
              const float dx = e ? e->position.x - c.f(0) : 0, dy = e ? e->position.y - c.f(1) : 0,
                          dz = e ? e->position.z - c.f(2) : 0;
              const bool within = e && dx * dx + dy * dy + dz * dz <= c.f(3) * c.f(3);
              c.r.setInt(within ? nearest : 0);
          });
    t.add(0xcf2b9c0645c4651b, "SET_ENTITY_HEADING", "Entity,float", [](Call& c) {
        if (Entity* e = c.w.entity(c.i(0))) e->heading = c.f(1);
    });
    t.add(0x7d9efb7ad6b19754, "FREEZE_ENTITY_POSITION", "Entity,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.entityStates.of[c.i(0)].frozen = c.b(1);
    });
}

} // namespace sim
