#include "core/natives/HudText.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;
constexpr uint64_t kBgSetTextColour = 0x16fa5ce47f184f1e;
constexpr uint64_t kBgDisplayText = 0x16794e044c9efb58;
constexpr uint64_t kSetTextColour = 0x50a41ad966910f03;
constexpr uint64_t kDisplayText = 0xd79334a4bb99bad1;
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
} // namespace

void SetTextScale(float x, float y) {
    Invoke(kSetTextScale, x, y);
}

void SetTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    Invoke(kBgSetTextColour, red, green, blue, alpha);
}
void DisplayText(uint64_t text, float x, float y) {
    Invoke(kBgDisplayText, native::Raw64{text}, x, y);
}

void SetHudTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    Invoke(kSetTextColour, red, green, blue, alpha);
}
void DisplayHudText(uint64_t text, float x, float y) {
    Invoke(kDisplayText, native::Raw64{text}, x, y);
}

void DrawSpriteCentred(const char* dictionary, const char* texture, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha, bool flag) {
    Invoke(kDrawSprite, dictionary, texture, centreX, centreY, width, height, rotation, red, green,
           blue, alpha, flag);
}

} // namespace corvale
