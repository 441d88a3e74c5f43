// The player's cash, as the game keeps it: a signed 32-bit count of cents, never below zero.
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdint>

namespace sim {

void RegisterMoneyNatives(NativeTable& t) {
    t.add(0x0c02dabfa3b98176, "_MONEY_GET_CASH_BALANCE", "",
          [](Call& c) { c.r.setInt(c.w.player.cashCents); });
    // The game refuses (takes nothing) a payment larger than the player's cash.
    t.add(0x466bc8769cf26a7a, "_MONEY_DECREMENT_CASH_BALANCE", "int", [](Call& c) {
        Player& p = c.w.player;
        const int32_t cents = c.i(0);
        if (cents < 0 || cents > p.cashCents) {
            c.trace("cash -" + std::to_string(cents) +
                    " refused: " + (cents < 0 ? "a negative amount" : "below zero"));
            return c.r.setBool(false);
        }
        p.cashCents -= cents;
        c.trace("cash -" + std::to_string(cents) + " = " + std::to_string(p.cashCents));
        c.r.setBool(true);
    });
    // A payment in, refused (nothing added) when it would carry the cash past the top of its
    // 32 bits; the reason hash is kept for the timeline only.
    t.add(0xbc3422dc91667621, "_MONEY_INCREMENT_CASH_BALANCE", "int,Hash", [](Call& c) {
        Player& p = c.w.player;
        const int32_t cents = c.i(0);
        if (cents < 0 || cents > INT32_MAX - p.cashCents) {
            c.trace("cash +" + std::to_string(cents) +
                    " refused: " + (cents < 0 ? "a negative amount" : "past the top"));
            return c.r.setBool(false);
        }
        p.cashCents += cents;
        c.trace("cash +" + std::to_string(cents) + " = " + std::to_string(p.cashCents));
        c.r.setBool(true);
    });
}

} // namespace sim
