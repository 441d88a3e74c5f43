#include "core/natives/Money.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCashBalance = 0x0c02dabfa3b98176;
}

int32_t PlayerCashCents() {
    return Invoke<int32_t>(kCashBalance);
}

} // namespace corvale
