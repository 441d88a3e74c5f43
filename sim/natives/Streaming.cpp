// Streaming of models and texture dictionaries, loaded a few frames after the request, and
// of map data sets, active from the request on.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {
uint32_t NameHash(const char* name) {
    return GameHash(name ? name : "");
}
} // namespace

void RegisterStreamingNatives(NativeTable& t) {
    t.add(0xfa28fe3a6246fc30, "REQUEST_MODEL", "Hash,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().streaming.request(a.u(0), sim.world().frame);
          });
    t.add(0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().streaming.loaded(a.u(0), sim.world().frame));
          });
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().streaming.request(NameHash(a.s(0)), sim.world().frame);
          });
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().streaming.loaded(NameHash(a.s(0)), sim.world().frame));
          });
    t.add(0x59767c5a7a9ae6da, "REQUEST_IPL_HASH", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().streaming.mapData.insert(a.u(0)).second)
                  sim.trace("map data " + NameOf(sim.world(), a.u(0)) + " requested");
          });
    t.add(0xd779b9b910bd3b7c, "IS_IPL_ACTIVE_HASH", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().streaming.mapData.count(a.u(0)) > 0);
          });
}

} // namespace sim
