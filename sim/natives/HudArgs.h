#pragma once
// Shared by the HUD families: text handles as arguments, and hash names for their traces.
#include "Simulator.h"

#include <cinttypes>
#include <cstdio>
#include <string>

namespace sim {

// A text argument is a text handle the game made (VAR_STRING); anything else is a fault.
inline const std::string* HandleText(Simulator& sim, const NativeArgs& a, size_t n,
                                     const char* what) {
    const std::string* text = sim.world().texts.resolve(a.raw(n));
    if (!text) sim.fault(std::string(what) + " with an unknown text handle");
    return text;
}

// The name a hash was made from, or the hash in lower-case hex.
inline std::string HashName(const World& w, uint32_t hash) {
    auto it = w.hashNames.find(hash);
    if (it != w.hashNames.end()) return it->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIx32, hash);
    return text;
}

} // namespace sim
