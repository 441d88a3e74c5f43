#pragma once
// The player's cash, in cents.
#include <cstdint>

namespace corvale {

int32_t PlayerCashCents();
// Takes cents from the player's cash; the game's answer whether it could.
bool TakeCash(int32_t cents);
// Pays cents into the player's cash.
bool GiveCash(int32_t cents);

} // namespace corvale
