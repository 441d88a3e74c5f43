// Frame-wide control reads and disables the bridge does not offer.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kIsControlPressed = 0xf3a21bcd95725a4a;
constexpr uint64_t kDisableControlAction = 0xfe99b66d079cf6bc;
} // namespace

bool IsControlHeld(int32_t pad, Hash control) {
    return Invoke<bool>(kIsControlPressed, pad, control);
}

void DisableControlThisFrame(int32_t pad, Hash control, bool disable) {
    Invoke(kDisableControlAction, pad, control, disable);
}

} // namespace corvale::business
