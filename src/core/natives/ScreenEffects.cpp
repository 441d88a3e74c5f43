#include "core/natives/ScreenEffects.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kDisplayHud = 0xd63fe3af9fb3d53f;
constexpr uint64_t kAnimPostFxPlay = 0x4102732df6b4005f;
constexpr uint64_t kAnimPostFxStopAll = 0x66560a0d4c64fd21;
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
