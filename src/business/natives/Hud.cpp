// HUD contexts and the text natives the menu draws with (scale and coloured text are the
// bridge's).
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kEnableHudContext = 0x4cc5f2fc1332577f;
constexpr uint64_t kDisableHudContext = 0x8bc7c1f929d07bf3;
constexpr uint64_t kEnableHudContextThisFrame = 0xc9caeaeec1256e54;
constexpr uint64_t kSetTextColour = 0x50a41ad966910f03;
constexpr uint64_t kDisplayText = 0xd79334a4bb99bad1;
} // namespace

void EnableHudContext(Hash context) {
    Invoke(kEnableHudContext, context);
}

void DisableHudContext(Hash context) {
    Invoke(kDisableHudContext, context);
}

void EnableHudContextThisFrame(Hash context) {
    Invoke(kEnableHudContextThisFrame, context);
}

void SetScreenTextColour(int32_t r, int32_t g, int32_t b, int32_t a) {
    Invoke(kSetTextColour, r, g, b, a);
}

void DisplayScreenText(uint64_t textHandle, float x, float y) {
    Invoke(kDisplayText, native::Raw64{textHandle}, x, y);
}

} // namespace corvale::business
