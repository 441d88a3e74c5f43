#include "business/BusinessDraw.h"

#include "core/natives/Audio.h"
#include "core/natives/Feed.h"
#include "core/natives/HudText.h"
#include "core/natives/Strings.h"
#include "core/text/Markup.h"
#include "core/text/TextWidth.h"

namespace corvale::business {

namespace {

constexpr float kScreenWidthPx = 1920.0f;
constexpr float kScreenHeightPx = 1080.0f;

// The mark-up is copied as the menu was written, the colour placeholder included.
constexpr const char* kColourAsWritten = "#%04X";

void DrawText(const char* font, const char* text, float x, float y, float scale, bool centred,
              Rgba c) {
    // The game draws each text opaque white unless told otherwise before it.
    if (c.r != 255 || c.g != 255 || c.b != 255 || c.a != 255) SetHudTextColour(c.r, c.g, c.b, c.a);
    SetTextScale(scale, scale);
    const float drawX = centred ? CentredTextX(text, x, scale) : x;
    const uint64_t literal = TextLiteral(ComposeFontMarkup(font, kColourAsWritten, text));
    DisplayHudText(ColouredText(literal), drawX, y);
}

} // namespace

void DrawBusinessSprite(LoadedDictionaries& dicts, const char* dict, const char* texture, float x,
                        float y, float w, float h, Rgba c) {
    dicts.makeSureLoaded(dict);
    DrawSpriteCentred(dict, texture, x, y, w, h, 0.0f, c.r, c.g, c.b, c.a, false);
}

void DrawBusinessSpritePixels(LoadedDictionaries& dicts, const char* dict, const char* texture,
                              float x, float y, float w, float h, Rgba colour, bool topLeft) {
    if (topLeft) {
        x += w * 0.5f;
        y += h * 0.5f;
    }
    DrawBusinessSprite(dicts, dict, texture, x / kScreenWidthPx, y / kScreenHeightPx,
                       w / kScreenWidthPx, h / kScreenHeightPx, colour);
}

void DrawBusinessSpriteCorner(LoadedDictionaries& dicts, const char* dict, const char* texture,
                              float x, float y, float w, float h, Rgba colour) {
    DrawBusinessSprite(dicts, dict, texture, x + w * 0.5f, y + h * 0.5f, w, h, colour);
}

void DrawTitleText(const char* text, float x, float y, float scale, bool centred, Rgba colour) {
    DrawText("$title", text, x, y, scale, centred, colour);
}

void DrawBodyText(const char* text, float x, float y, float scale, bool centred, int32_t alpha) {
    DrawText("$body", text, x, y, scale, centred, White(alpha));
}

void PlayBusinessSound(const char* sound, const char* soundSet) {
    PlaySoundFrontend(sound, soundSet);
}

void ShowBusinessMessage(const char* text) {
    PrintObjectiveMessage(TextLiteral(text));
}

} // namespace corvale::business
