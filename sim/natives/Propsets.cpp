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
    // A created set stands in full at once.
    t.add(0xf42db680a8b2a4d9, "IS_PROP_SET_FULLY_LOADED", "PropSet",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().propSets.all.count(a.i(0)) != 0);
          });
    t.add(0x58ac173a55d9d7b4, "_DELETE_PROP_SET", "PropSet,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().propSets.all.erase(a.i(0)) == 0)
                  sim.trace("delete propset #" + std::to_string(a.i(0)) + ": no such set");
              else sim.trace("delete propset #" + std::to_string(a.i(0)));
          });
    // The game removes a released set when nobody looks; it stays until then.
    t.add(0x909e3c7fae539fb1, "_SET_PROP_SET_AS_NO_LONGER_NEEDED", "PropSet",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              PropSets& sets = sim.world().propSets;
              if (!sets.all.count(a.i(0))) sim.trace("release propset #" + std::to_string(a.i(0)) + ": no such set");
              else sets.released.insert(a.i(0));
          });
}

} // namespace sim
