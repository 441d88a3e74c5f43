#include "core/natives/Controls.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kIsControlJustPressed{0x580417101ddb492f, "IS_CONTROL_JUST_PRESSED",
                                               "int,Hash"};
constexpr native::Native kIsDisabledControlJustPressed{
    0x91aef906bca88877, "IS_DISABLED_CONTROL_JUST_PRESSED", "int,Hash"};
constexpr native::Native kIsControlPressed{0xf3a21bcd95725a4a, "IS_CONTROL_PRESSED", "int,Hash"};
constexpr native::Native kDisableControlAction{0xfe99b66d079cf6bc, "DISABLE_CONTROL_ACTION",
                                               "int,Hash,BOOL"};
constexpr int32_t kPlayerControls = 0;
} // namespace

bool IsControlJustPressed(Hash control) {
    return Invoke<bool>(kIsControlJustPressed, kPlayerControls, control);
}

bool IsDisabledControlJustPressed(Hash control) {
    return Invoke<bool>(kIsDisabledControlJustPressed, kPlayerControls, control);
}

bool IsControlHeld(Hash control) {
    return Invoke<bool>(kIsControlPressed, kPlayerControls, control);
}

void DisableControlThisFrame(Hash control, bool related) {
    Invoke(kDisableControlAction, kPlayerControls, control, related);
}

} // namespace corvale
