#pragma once
// Shared by the handler families: writing out-variables the way the game does, removing
// entities, and names for the timeline.
#include "Simulator.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace sim {

// A 32-bit value into the low half of the caller's slot (the rest of the slot is untouched).
inline void WriteU32(void* slot, uint32_t v) {
    std::memcpy(slot, &v, sizeof v);
}
inline void WriteFloat(void* slot, float v) {
    std::memcpy(slot, &v, sizeof v);
}
// A Vector3: three 8-byte slots with a float in the low 4 bytes of each.
inline void WriteVector(void* out, const Vec3& v) {
    auto* bytes = static_cast<unsigned char*>(out);
    WriteFloat(bytes, v.x);
    WriteFloat(bytes + 8, v.y);
    WriteFloat(bytes + 16, v.z);
}

// The name a hash was made from, or the hash in hex.
inline std::string NameOf(const World& w, uint32_t hash) {
    auto it = w.hashNames.find(hash);
    if (it != w.hashNames.end()) return it->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", hash);
    return text;
}

inline std::string Describe(const Vec3& p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.2f, %.2f, %.2f)", p.x, p.y, p.z);
    return text;
}

// Deletes the entity a handle points at and clears the handle, as the game's delete natives do.
void DeleteThroughHandle(Simulator& sim, int32_t* handle, const char* native);

} // namespace sim
