// Models and vehicles.
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdio>

namespace sim {

// The streaming key of a model: its name when the plug-in hashed it, else its hash.
std::string ModelKey(const World& w, uint32_t model) {
    auto it = w.hashNames.find(model);
    if (it != w.hashNames.end()) return it->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", model);
    return text;
}

void RegisterStreamingNatives(NativeTable& t) {
    t.add(0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const World& w = sim.world();
              r.setBool(w.streaming.loaded(ModelKey(w, a.u(0)), w.frame));
          });
    t.add(0xfa28fe3a6246fc30, "REQUEST_MODEL", "Hash,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              w.streaming.request(ModelKey(w, a.u(0)), w.frame);
          });
    t.add(0xb86d29b10f627379, "IS_VEHICLE_DRIVEABLE", "Vehicle,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setBool(e && e->kind == EntityKind::Vehicle && e->alive);
          });
    t.add(0xd80faf919a2e56ea, "_ADD_PROP_SET_FOR_VEHICLE", "Vehicle,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              Entity* e = sim.world().entity(a.i(0));
              if (!e || e->kind != EntityKind::Vehicle)
                  return sim.fault("prop set for a vehicle that does not exist");
              e->propSets.push_back(a.u(1));
          });
}

} // namespace sim
