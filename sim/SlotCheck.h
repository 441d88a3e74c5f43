#pragma once
// How the game reads one pushed argument slot, by the parameter type of its native list.
#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

enum class SlotKind : uint8_t {
    Word,      // int, Hash and every handle: 32 bits in the low half, the upper half zero
    Bool,      // BOOL: 0 or 1
    Float,     // float: a single-precision bit pattern in the low half
    Unchecked, // pointers, text and Any: taken whole
};

SlotKind SlotKindOf(std::string_view type);

// What is wrong with a slot pushed for a parameter of this kind ("its upper 32 bits are
// set ..."), or "" when the game reads it as meant.
std::string SlotFault(SlotKind kind, uint64_t slot);

} // namespace sim
