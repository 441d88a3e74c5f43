// The player's cash.
#include "Simulator.h"
#include "natives/Families.h"

#include <cstdint>

namespace sim {

void RegisterMoneyNatives(NativeTable& t) {
    t.add(0x0c02dabfa3b98176, "_MONEY_GET_CASH_BALANCE", "",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              const int64_t cents = sim.world().player.cashCents;
              r.setInt(cents > INT32_MAX   ? INT32_MAX
                       : cents < INT32_MIN ? INT32_MIN
                                           : static_cast<int32_t>(cents));
          });
}

} // namespace sim
