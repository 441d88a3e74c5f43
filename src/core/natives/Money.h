#pragma once
// The player's cash.
#include <cstdint>

namespace corvale {

// In cents.
int32_t PlayerCashCents();

} // namespace corvale
