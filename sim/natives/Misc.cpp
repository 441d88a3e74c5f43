// Hashes, text handles, the game timer and the game's random numbers.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdio>

namespace sim {

namespace {

std::string CashText(int32_t cents) {
    char text[32];
    const int64_t c = cents;
    std::snprintf(text, sizeof text, "%s$%lld.%02lld", c < 0 ? "-" : "", (long long)(llabs(c) / 100),
                  (long long)(llabs(c) % 100));
    return text;
}

void VarString(Simulator& sim, const NativeArgs& a, NativeResult& r) {
    World& w = sim.world();
    const int32_t flags = a.i(0);
    const std::string kind = flags == 0 || !a.s(1) ? "" : a.s(1);
    if (flags == 10 && kind == "LITERAL_STRING" && a.count >= 3) {
        r.setU64(w.texts.make(a.s(2) ? a.s(2) : ""));
    } else if (flags == 2 && kind == "CASH_STRING" && a.count >= 3) {
        r.setU64(w.texts.make(CashText(a.i(2))));
    } else if (flags == 42 && kind == "COLOR_STRING" && a.count >= 4) {
        const std::string* inner = w.texts.resolve(a.raw(3));
        if (!inner) sim.fault("COLOR_STRING of an unknown text handle");
        r.setU64(w.texts.make(inner ? *inner : ""));
    } else if (flags == 0 && a.count >= 2) {
        auto it = w.hashNames.find(a.u(1));
        r.setU64(w.texts.make(it != w.hashNames.end() ? it->second : "item"));
    } else {
        sim.fault("text native called with an unknown form");
    }
}

} // namespace

void RegisterMiscNatives(NativeTable& t) {
    t.add(0xfd340785adf8cfb7, "GET_HASH_KEY", "const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const char* text = a.s(0) ? a.s(0) : "";
              const uint32_t h = GameHash(text);
              sim.world().hashNames.emplace(h, text);
              r.setU32(h);
          });
    t.add(0xfa925ac00eb830b9, "VAR_STRING", "int,...", VarString);
    t.add(0x4f67e8eca7d3f667, "GET_GAME_TIMER", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setInt(sim.world().gameTimer);
          });
    // min <= result < max, as the callers rely on
    t.add(0xd53343aa4fb7dd28, "GET_RANDOM_INT_IN_RANGE", "int,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const int32_t lo = a.i(0), hi = a.i(1);
              if (hi <= lo) return r.setInt(lo);
              r.setInt(lo + static_cast<int32_t>(sim.nextRandom() % static_cast<uint32_t>(hi - lo)));
          });
    t.add(0xe29f927a961f8aaa, "GET_RANDOM_FLOAT_IN_RANGE", "float,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const float unit = static_cast<float>(sim.nextRandom() >> 8) / 16777216.0f;
              r.setFloat(a.f(0) + (a.f(1) - a.f(0)) * unit);
          });
}

} // namespace sim
