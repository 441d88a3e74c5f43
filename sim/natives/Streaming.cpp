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
          [](Call& c) { c.w.streaming.request(c.u(0), c.w.frame); });
    t.add(0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(c.u(0), c.w.frame)); });
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Call& c) { c.w.streaming.request(NameHash(c.s(0)), c.w.frame); });
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(NameHash(c.s(0)), c.w.frame)); });
}

} // namespace sim
