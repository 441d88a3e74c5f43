#include "core/natives/HudText.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kSetTextScale{0xa1253a3c870b6843, "_BG_SET_TEXT_SCALE", "float,float"};
constexpr native::Native kBgSetTextColour{0x16fa5ce47f184f1e, "_BG_SET_TEXT_COLOR",
                                          "int,int,int,int"};
constexpr native::Native kBgDisplayText{0x16794e044c9efb58, "_BG_DISPLAY_TEXT",
                                        "const char*,float,float"};
constexpr native::Native kSetTextColour{0x50a41ad966910f03, "_SET_TEXT_COLOR", "int,int,int,int"};
constexpr native::Native kDisplayText{0xd79334a4bb99bad1, "_DISPLAY_TEXT",
                                      "const char*,float,float"};
constexpr native::Native kDrawSprite{
    0xc9884ecade94cb34, "DRAW_SPRITE",
    "const char*,const char*,float,float,float,float,float,int,int,int,int,BOOL"};
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
