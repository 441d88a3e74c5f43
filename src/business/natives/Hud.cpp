// HUD contexts and screen text.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kEnableHudContext = 0x4cc5f2fc1332577f;
constexpr uint64_t kDisableHudContext = 0x8bc7c1f929d07bf3;
constexpr uint64_t kEnableHudContextThisFrame = 0xc9caeaeec1256e54;
constexpr uint64_t kSetTextColour = 0x50a41ad966910f03;
// The game no longer has the HUD text-scale native the menu was first written against;
// this is the text scale it still offers.
constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;
constexpr uint64_t kDisplayText = 0xd79334a4bb99bad1;
constexpr uint64_t kVarString = 0xfa925ac00eb830b9;
constexpr int32_t kColourStringFlags = 42;
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

void SetScreenTextScale(float x, float y) {
    Invoke(kSetTextScale, x, y);
}

void DisplayScreenText(uint64_t textHandle, float x, float y) {
    Invoke(kDisplayText, native::Raw64{textHandle}, x, y);
}

uint64_t ColouredText(uint64_t textHandle) {
    return Invoke<uint64_t>(kVarString, kColourStringFlags, "COLOR_STRING", 0,
                            native::Raw64{textHandle});
}

} // namespace corvale::business
