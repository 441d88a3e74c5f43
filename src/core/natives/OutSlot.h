#pragma once
// An out-variable as the game writes it: one zeroed 8-byte slot, the value in its low bytes.
#include <cstdint>
#include <cstring>

namespace corvale::native {

struct OutSlot {
    uint64_t raw = 0;

    uint64_t* address() { return &raw; }
    int32_t asInt() const { return static_cast<int32_t>(static_cast<uint32_t>(raw)); }
    uint32_t asU32() const { return static_cast<uint32_t>(raw); }
    float asFloat() const {
        const uint32_t bits = asU32();
        float v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
};

} // namespace corvale::native
