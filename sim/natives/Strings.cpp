// Hashes of names and the text handles scripts build.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdio>

namespace sim {

namespace {

std::string CashText(int32_t cents) {
    char text[32];
    const int64_t c = cents;
    std::snprintf(text, sizeof text, "%s$%lld.%02lld", c < 0 ? "-" : "",
                  (long long)(llabs(c) / 100), (long long)(llabs(c) % 100));
    return text;
}

void VarString(Call& c) {
    World& w = c.w;
    const int32_t flags = c.i(0);
    const std::string kind = flags == 0 || !c.s(1) ? "" : c.s(1);
    if (flags == 10 && kind == "LITERAL_STRING" && c.a.count >= 3) {
        c.r.setU64(w.texts.make(c.s(2) ? c.s(2) : ""));
    } else if (flags == 2 && kind == "CASH_STRING" && c.a.count >= 3) {
        c.r.setU64(w.texts.make(CashText(c.i(2))));
    } else if (flags == 42 && kind == "COLOR_STRING" && c.a.count >= 4) {
        const std::string* inner = w.texts.resolve(c.raw(3));
        if (!inner) c.sim.fault("COLOR_STRING of an unknown text handle");
        c.r.setU64(w.texts.make(inner ? *inner : ""));
    } else if (flags == 0 && c.a.count >= 2) {
        auto it = w.hashNames.find(c.u(1));
        c.r.setU64(w.texts.make(it != w.hashNames.end() ? it->second : "item"));
    } else {
        c.sim.fault("text native called with an unknown form");
    }
}

} // namespace

void RegisterStringNatives(NativeTable& t) {
    t.add(0xfd340785adf8cfb7, "GET_HASH_KEY", "const char*", [](Call& c) {
        const char* text = c.s(0) ? c.s(0) : "";
        const uint32_t h = GameHash(text);
        c.w.hashNames.emplace(h, text);
        c.r.setU32(h);
    });
    t.add(0xfa925ac00eb830b9, "VAR_STRING", "int,...", VarString);
}

} // namespace sim
