// Streaming of models and texture dictionaries: loaded a few frames after the request.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

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
}

} // namespace sim
