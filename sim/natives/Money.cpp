// The player's cash: read and taken.
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdint>

namespace sim {

void RegisterMoneyNatives(NativeTable& t) {
    t.add(0x0c02dabfa3b98176, "_MONEY_GET_CASH_BALANCE", "", [](Call& c) {
        const int64_t cents = c.w.player.cashCents;
        c.r.setInt(cents > INT32_MAX   ? INT32_MAX
                   : cents < INT32_MIN ? INT32_MIN
                                       : static_cast<int32_t>(cents));
    });
    // The game refuses (takes nothing) a payment larger than the player's cash.
    t.add(0x466bc8769cf26a7a, "_MONEY_DECREMENT_CASH_BALANCE", "int", [](Call& c) {
        Player& p = c.w.player;
        const int32_t cents = c.i(0);
        if (cents < 0 || cents > p.cashCents) {
            c.sim.trace("cash -" + std::to_string(cents) + " refused");
            return c.r.setBool(false);
        }
        p.cashCents -= cents;
        c.sim.trace("cash -" + std::to_string(cents) + " = " + std::to_string(p.cashCents));
        c.r.setBool(true);
    });
    // A payment in: the reason hash is kept for the timeline only.
    t.add(0xbc3422dc91667621, "_MONEY_INCREMENT_CASH_BALANCE", "int,Hash", [](Call& c) {
        Player& p = c.w.player;
        const int32_t cents = c.i(0);
        if (cents < 0) {
            c.trace("cash +" + std::to_string(cents) + " refused");
            return c.r.setBool(false);
        }
        p.cashCents += cents;
        c.trace("cash +" + std::to_string(cents) + " = " + std::to_string(p.cashCents));
        c.r.setBool(true);
    });
}

} // namespace sim
