// The player's money taken (the cash balance is the bridge's).
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kMoneyDecrementCashBalance = 0x466bc8769cf26a7a;
} // namespace

void TakeCash(int32_t cents) {
    Invoke<bool>(kMoneyDecrementCashBalance, cents);
}

} // namespace corvale::business
