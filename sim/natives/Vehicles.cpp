// Vehicles: whether one can be driven, prop sets loaded onto one.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterVehicleNatives(NativeTable& t) {
    t.add(0xb86d29b10f627379, "IS_VEHICLE_DRIVEABLE", "Vehicle,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setBool(e && e->kind == EntityKind::Vehicle && e->alive);
          });
    t.add(0xd80faf919a2e56ea, "_ADD_PROP_SET_FOR_VEHICLE", "Vehicle,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              const Entity* e = w.entity(a.i(0));
              if (!e || e->kind != EntityKind::Vehicle)
                  return sim.fault("_ADD_PROP_SET_FOR_VEHICLE of unknown vehicle " +
                                   std::to_string(a.i(0)));
              w.vehicles.propSets[a.i(0)].push_back(a.u(1));
              sim.trace("#" + std::to_string(a.i(0)) + " carries " + NameOf(w, a.u(1)));
          });
}

} // namespace sim
