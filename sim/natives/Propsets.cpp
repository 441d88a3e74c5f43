// Prop sets: requested, loaded a few frames later, created at a place.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterPropsetNatives(NativeTable& t) {
    t.add(0xf3de57a46d5585e9, "_REQUEST_PROP_SET", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              sim.world().streaming.request(a.u(0), sim.world().frame);
              r.setBool(true);
          });
    t.add(0x48a88fc684c55fdc, "_HAS_PROP_SET_LOADED", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().streaming.loaded(a.u(0), sim.world().frame));
          });
    t.add(0x899c97a1cce7d483, "_CREATE_PROP_SET_2",
          "Hash,float,float,float,int,float,float,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              if (!w.streaming.loaded(a.u(0), w.frame)) {
                  sim.trace("create propset " + NameOf(w, a.u(0)) + " refused: not loaded");
                  return r.setInt(0);
              }
              const int32_t handle = w.propSets.nextHandle++;
              w.propSets.all[handle] = PropSetInstance{a.u(0), a.vec(1), a.f(5)};
              sim.trace("spawn propset " + NameOf(w, a.u(0)) + " #" + std::to_string(handle) +
                        " at " + Describe(a.vec(1)));
              r.setInt(handle);
          });
    // Releases the streaming request; created sets stay.
    t.add(0xb1964a83b345b4ab, "_RELEASE_PROP_SET", "Hash",
          [](Simulator&, const NativeArgs&, NativeResult& r) { r.setBool(true); });
}

} // namespace sim
