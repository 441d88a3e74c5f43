// Prop sets: requested, loaded a few frames later, created at a place.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterPropsetNatives(NativeTable& t) {
    t.add(0xf3de57a46d5585e9, "_REQUEST_PROP_SET", "Hash", [](Call& c) {
        c.w.streaming.request(c.u(0), c.w.frame);
        c.r.setBool(true);
    });
    t.add(0x48a88fc684c55fdc, "_HAS_PROP_SET_LOADED", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(c.u(0), c.w.frame)); });
    t.add(0x899c97a1cce7d483, "_CREATE_PROP_SET_2",
          "Hash,float,float,float,int,float,float,BOOL,BOOL", [](Call& c) {
              World& w = c.w;
              if (!w.streaming.loaded(c.u(0), w.frame)) {
                  c.sim.trace("create propset " + NameOf(w, c.u(0)) + " refused: not loaded");
                  return c.r.setInt(0);
              }
              const int32_t handle = w.propSets.nextHandle++;
              w.propSets.all[handle] = PropSetInstance{c.u(0), c.vec(1), c.f(5)};
              c.sim.trace("spawn propset " + NameOf(w, c.u(0)) + " #" + std::to_string(handle) +
                          " at " + Describe(c.vec(1)));
              c.r.setInt(handle);
          });
    // Releases the streaming request; created sets stay.
    t.add(0xb1964a83b345b4ab, "_RELEASE_PROP_SET", "Hash", [](Call& c) { c.r.setBool(true); });
}

} // namespace sim
