#include "core/natives/Money.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kCashBalance{0x0c02dabfa3b98176, "_MONEY_GET_CASH_BALANCE", ""};
constexpr native::Native kDecrementCashBalance{0x466bc8769cf26a7a, "_MONEY_DECREMENT_CASH_BALANCE",
                                               "int"};
constexpr native::Native kIncrementCashBalance{0xbc3422dc91667621, "_MONEY_INCREMENT_CASH_BALANCE",
                                               "int,Hash"};
} // namespace

int32_t PlayerCashCents() {
    return Invoke<int32_t>(kCashBalance);
}
bool TakeCash(int32_t cents) {
    return Invoke<bool>(kDecrementCashBalance, cents);
}
bool GiveCash(int32_t cents) {
    return Invoke<bool>(kIncrementCashBalance, cents, Hash{0});
}

} // namespace corvale
