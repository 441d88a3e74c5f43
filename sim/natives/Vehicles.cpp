// Vehicles: created with their draft horses, seats and who sits in them, whether one can be
// driven or stands still, prop sets loaded onto one.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

constexpr int kDraftHorses = 2;

void CreateVehicle(Call& c) {
    World& w = c.w;
    const uint32_t model = c.u(0);
    if (!w.streaming.loaded(model, w.frame)) {
        c.trace("create vehicle " + NameOf(w, model) + " refused: model not loaded");
        return c.r.setInt(0);
    }
    const int32_t vehicle = w.spawn(EntityKind::Vehicle, model, c.vec(1), c.f(4));
    w.entities[vehicle].byPlugin = true;
    VehicleState& state = w.vehicles.state[vehicle];
    // A wagon comes harnessed: its horses are peds of their own, the game's.
    const uint32_t horse = GameHash("A_C_HORSE_BELGIAN_BLONDCHESTNUT");
    for (int i = 0; i < kDraftHorses; ++i) {
        const int32_t h = w.spawn(EntityKind::Ped, horse, c.vec(1), c.f(4));
        w.peds.state[h].human = false;
        state.draftHorses.push_back(h);
    }
    c.trace("spawn vehicle " + NameOf(w, model) + " #" + std::to_string(vehicle) + " at " +
            Describe(c.vec(1)) + " with " + std::to_string(kDraftHorses) + " draft horses");
    c.r.setInt(vehicle);
}

const VehicleState* State(Call& c, size_t n) {
    const Entity* e = c.entity(n);
    if (!e || e->kind != EntityKind::Vehicle) return nullptr;
    return &c.w.vehicles.state[c.i(n)];
}

} // namespace

void RegisterVehicleNatives(NativeTable& t) {
    t.add(0xaf35d0d2583051b0, "CREATE_VEHICLE", "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL",
          CreateVehicle);
    t.add(0xb86d29b10f627379, "IS_VEHICLE_DRIVEABLE", "Vehicle,BOOL,BOOL", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        c.r.setBool(e && e->kind == EntityKind::Vehicle && e->alive);
    });
    t.add(0x78c3311a73135241, "IS_VEHICLE_STOPPED", "Vehicle", [](Call& c) {
        const VehicleState* v = State(c, 0);
        c.r.setBool(v && v->speed == 0);
    });
    t.add(0xa9c55f1c15e62e06, "GET_VEHICLE_MAX_NUMBER_OF_PASSENGERS", "Vehicle", [](Call& c) {
        const VehicleState* v = State(c, 0);
        c.r.setInt(v ? v->passengerSeats : 0);
    });
    t.add(0xa8ba0bae0173457b, "_GET_PED_IN_DRAFT_HARNESS", "Vehicle,int", [](Call& c) {
        const VehicleState* v = State(c, 0);
        const int32_t i = c.i(1);
        c.r.setInt(v && i >= 0 && i < int32_t(v->draftHorses.size()) ? v->draftHorses[size_t(i)]
                                                                     : 0);
    });
    t.add(0xa808aa1d79230fc2, "IS_PED_SITTING_IN_VEHICLE", "Ped,Vehicle",
          [](Call& c) { c.r.setBool(c.i(1) != 0 && c.w.vehicles.seatOf(c.i(0)) == c.i(1)); });
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
