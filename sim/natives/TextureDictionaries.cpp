// Texture dictionaries, streamed by name and loaded a few frames after the request.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {
uint32_t NameHash(const char* name) {
    return GameHash(name ? name : "");
}
} // namespace

void RegisterTextureDictionaryNatives(NativeTable& t) {
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Call& c) { c.w.streaming.request(NameHash(c.s(0)), c.w.frame); });
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(NameHash(c.s(0)), c.w.frame)); });
}

} // namespace sim
