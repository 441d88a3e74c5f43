// Vehicles: whether one can be driven, prop sets loaded onto one.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterVehicleNatives(NativeTable& t) {
    t.add(0xb86d29b10f627379, "IS_VEHICLE_DRIVEABLE", "Vehicle,BOOL,BOOL", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        c.r.setBool(e && e->kind == EntityKind::Vehicle && e->alive);
    });
    t.add(0xd80faf919a2e56ea, "_ADD_PROP_SET_FOR_VEHICLE", "Vehicle,Hash", [](Call& c) {
        World& w = c.w;
        const Entity* e = w.entity(c.i(0));
        if (!e || e->kind != EntityKind::Vehicle)
            return c.sim.fault("_ADD_PROP_SET_FOR_VEHICLE of unknown vehicle " +
                               std::to_string(c.i(0)));
        w.vehicles.propSets[c.i(0)].push_back(c.u(1));
        c.sim.trace("#" + std::to_string(c.i(0)) + " carries " + NameOf(w, c.u(1)));
    });
}

} // namespace sim
