// Streaming of texture dictionaries: loaded a few frames after the first request.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterStreamingNatives(NativeTable& t) {
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (!a.s(0)) return sim.fault("texture dictionary requested with a null name");
              sim.world().streaming.request(a.s(0), sim.world().frame);
          });
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              if (!a.s(0)) return sim.fault("texture dictionary tested with a null name");
              r.setBool(sim.world().streaming.loaded(a.s(0), sim.world().frame));
          });
}

} // namespace sim
