// Models, loaded a few frames after the request.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterModelNatives(NativeTable& t) {
    t.add(0xfa28fe3a6246fc30, "REQUEST_MODEL", "Hash,BOOL",
          [](Call& c) { c.w.streaming.request(c.u(0), c.w.frame); });
    t.add(0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(c.u(0), c.w.frame)); });
}

} // namespace sim
