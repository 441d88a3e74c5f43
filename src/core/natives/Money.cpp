#include "core/natives/Money.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCashBalance = 0x0c02dabfa3b98176;
constexpr uint64_t kDecrementCashBalance = 0x466bc8769cf26a7a;
} // namespace

int32_t PlayerCashCents() {
    return Invoke<int32_t>(kCashBalance);
}
bool TakeCash(int32_t cents) {
    return Invoke<bool>(kDecrementCashBalance, cents);
}

} // namespace corvale
