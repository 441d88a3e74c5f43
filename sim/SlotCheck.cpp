#include "SlotCheck.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace sim {

SlotKind SlotKindOf(std::string_view type) {
    if (type == "float") return SlotKind::Float;
    if (type == "BOOL") return SlotKind::Bool;
    if (type == "Any" || type.find('*') != std::string_view::npos) return SlotKind::Unchecked;
    return SlotKind::Word;
}

namespace {

std::string Hex64(uint64_t slot) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, slot);
    return text;
}

} // namespace

std::string SlotFault(SlotKind kind, uint64_t slot) {
    const uint32_t high = static_cast<uint32_t>(slot >> 32);
    const uint32_t low = static_cast<uint32_t>(slot);
    switch (kind) {
    case SlotKind::Unchecked:
        return "";
    case SlotKind::Word:
        // A sign-extended negative number: the call protocol pushes the upper half zero.
        if (high != 0) return "its upper 32 bits are set (" + Hex64(slot) + ")";
        return "";
    case SlotKind::Bool:
        if (slot > 1) return Hex64(slot) + " was pushed, not 0 or 1";
        return "";
    case SlotKind::Float: {
        if (high != 0) return "its upper 32 bits are set (" + Hex64(slot) + ")";
        const uint32_t exponent = (low >> 23) & 0xFFu;
        const uint32_t mantissa = low & 0x7FFFFFu;
        // An integer read as a float is a denormal (1 to 8388607) or a NaN (-1, -2, ...).
        if ((exponent == 0 && mantissa != 0) || (exponent == 0xFFu && mantissa != 0))
            return "an integer (" + std::to_string(static_cast<int32_t>(low)) + ") was pushed";
        return "";
    }
    }
    return "";
}

} // namespace sim
