#include "core/natives/HudText.h"

namespace corvale {

namespace {
constexpr uint64_t kSetTextScale = 0xa1253a3c870b6843;
constexpr uint64_t kDrawSprite = 0xc9884ecade94cb34;
} // namespace

void SetTextScale(float x, float y) {
    Invoke(kSetTextScale, x, y);
}

void DrawSpriteCentred(const char* dictionary, const char* texture, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha, bool flag) {
    Invoke(kDrawSprite, dictionary, texture, centreX, centreY, width, height, rotation, red, green,
           blue, alpha, flag);
}

} // namespace corvale
