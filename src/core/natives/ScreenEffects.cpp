#include "core/natives/ScreenEffects.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kDisplayHud{0xd63fe3af9fb3d53f, "DISPLAY_HUD", "BOOL"};
constexpr native::Native kAnimPostFxPlay{0x4102732df6b4005f, "ANIMPOSTFX_PLAY", "const char*"};
constexpr native::Native kAnimPostFxStopAll{0x66560a0d4c64fd21, "ANIMPOSTFX_STOP_ALL", ""};
} // namespace

void DisplayHud(bool shown) {
    Invoke(kDisplayHud, shown);
}

void PlayPostEffect(const char* effect) {
    Invoke(kAnimPostFxPlay, effect);
}

void StopAllPostEffects() {
    Invoke(kAnimPostFxStopAll);
}

} // namespace corvale
