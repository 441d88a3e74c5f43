// The player's money taken and items counted (the cash balance is the bridge's).
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kMoneyDecrementCashBalance = 0x466bc8769cf26a7a;
constexpr uint64_t kInventoryIdFromPed = 0x13d234a2a3f66e63;
constexpr uint64_t kInventoryItemCount = 0xe787f05dfc977bde;
} // namespace

void TakeCash(int32_t cents) {
    Invoke<bool>(kMoneyDecrementCashBalance, cents);
}

int32_t PlayerItemCount(int32_t player, Hash item) {
    const int32_t inventory = Invoke<int32_t>(kInventoryIdFromPed, player);
    return Invoke<int32_t>(kInventoryItemCount, inventory, item, false);
}

} // namespace corvale::business
