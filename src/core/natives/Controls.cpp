#include "core/natives/Controls.h"

namespace corvale {

namespace {
constexpr uint64_t kIsControlJustPressed = 0x580417101ddb492f;
constexpr uint64_t kIsDisabledControlJustPressed = 0x91aef906bca88877;
constexpr uint64_t kIsControlPressed = 0xf3a21bcd95725a4a;
constexpr uint64_t kDisableControlAction = 0xfe99b66d079cf6bc;
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
