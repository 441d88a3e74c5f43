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
          [](Call& c) { c.w.streaming.request(c.u(0), c.w.frame); });
    t.add(0x1283b8b89dd5d1b6, "HAS_MODEL_LOADED", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(c.u(0), c.w.frame)); });
    t.add(0xc1ba29df5631b0f8, "REQUEST_STREAMED_TEXTURE_DICT", "const char*,BOOL",
          [](Call& c) { c.w.streaming.request(NameHash(c.s(0)), c.w.frame); });
    t.add(0x54d6900929ccf162, "HAS_STREAMED_TEXTURE_DICT_LOADED", "const char*",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(NameHash(c.s(0)), c.w.frame)); });
    t.add(0x59767c5a7a9ae6da, "REQUEST_IPL_HASH", "Hash", [](Call& c) {
        if (c.w.streaming.mapData.insert(c.u(0)).second)
            c.trace("map data " + NameOf(c.w, c.u(0)) + " requested");
    });
    t.add(0xd779b9b910bd3b7c, "IS_IPL_ACTIVE_HASH", "Hash",
          [](Call& c) { c.r.setBool(c.w.streaming.mapData.count(c.u(0)) > 0); });
}

} // namespace sim
