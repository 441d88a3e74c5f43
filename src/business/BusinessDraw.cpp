#include "business/BusinessDraw.h"

#include "core/natives/Audio.h"
#include "core/natives/Feed.h"
#include "core/natives/HudText.h"
#include "core/natives/Strings.h"
#include "core/natives/TextureDictionaries.h"
#include "core/text/Markup.h"
#include "core/text/TextWidth.h"

#include <cstring>

namespace corvale::business {

namespace {

constexpr float kScreenWidthPx = 1920.0f;
constexpr float kScreenHeightPx = 1080.0f;

// The mark-up is copied as the menu was written, the colour placeholder included.
constexpr const char* kColourAsWritten = "#%04X";

void DrawText(const char* font, const char* text, float x, float y, float scale, bool centred,
              Rgba c) {
    SetHudTextColour(c.r, c.g, c.b, c.a);
    SetTextScale(scale, scale);
    const float drawX = centred ? CentredTextX(text, x, scale) : x;
    const uint64_t literal = TextLiteral(ComposeFontMarkup(font, kColourAsWritten, text));
    DisplayHudText(ColouredText(literal), drawX, y);
}

// The game's answer for a dictionary holds for the frame: the menu's thirty-odd sprites ask
// about their four dictionaries once each (and request a missing one once), not per sprite.
struct AskedThisFrame {
    static constexpr int kCapacity = 8;
    const char* names[kCapacity] = {};
    int count = 0;

    bool has(const char* dict) const {
        for (int i = 0; i < count; ++i)
            if (std::strcmp(names[i], dict) == 0) return true;
        return false;
    }
    void add(const char* dict) {
        if (count < kCapacity) names[count++] = dict;
    }
};

AskedThisFrame gAsked;

void MakeSureLoaded(const char* dict) {
    if (gAsked.has(dict)) return;
    gAsked.add(dict);
    if (!TextureDictLoaded(dict)) RequestTextureDict(dict);
}

} // namespace

void BeginDrawFrame() {
    gAsked.count = 0;
}

void DrawBusinessSprite(const char* dict, const char* texture, float x, float y, float w, float h,
                        Rgba c) {
    MakeSureLoaded(dict);
    DrawSpriteCentred(dict, texture, x, y, w, h, 0.0f, c.r, c.g, c.b, c.a, false);
}

void DrawBusinessSpritePixels(const char* dict, const char* texture, float x, float y, float w,
                              float h, Rgba colour, bool topLeft) {
    if (topLeft) {
        x += w * 0.5f;
        y += h * 0.5f;
    }
    DrawBusinessSprite(dict, texture, x / kScreenWidthPx, y / kScreenHeightPx, w / kScreenWidthPx,
                       h / kScreenHeightPx, colour);
}

void DrawBusinessSpriteCorner(const char* dict, const char* texture, float x, float y, float w,
                              float h, Rgba colour) {
    DrawBusinessSprite(dict, texture, x + w * 0.5f, y + h * 0.5f, w, h, colour);
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
