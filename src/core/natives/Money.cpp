#include "core/natives/Money.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCashBalance = 0x0c02dabfa3b98176;
constexpr uint64_t kDecrementCashBalance = 0x466bc8769cf26a7a;
constexpr uint64_t kIncrementCashBalance = 0xbc3422dc91667621;
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
