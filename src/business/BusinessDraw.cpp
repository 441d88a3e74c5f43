#include "business/BusinessDraw.h"

#include "business/natives/BusinessNatives.h"
#include "core/natives/Strings.h"
#include "core/text/TextWidth.h"

#include <cstring>
#include <initializer_list>

namespace corvale::business {

namespace {

constexpr float kScreenWidthPx = 1920.0f;
constexpr float kScreenHeightPx = 1080.0f;

// The game keeps using a drawn text until the frame is shown, so each composed text gets its
// own buffer of a ring large enough for every text of a frame; nothing is allocated.
constexpr size_t kTextBuffers = 48;
constexpr size_t kTextBufferSize = 768;
char gTextRing[kTextBuffers][kTextBufferSize];
size_t gNextText = 0;

// The mark-up is copied as the menu was written, the colour placeholder included.
constexpr const char* kTitleOpen = "<FONT FACE='$title' COLOR='#%04X'>";
constexpr const char* kBodyOpen = "<FONT FACE='$body' COLOR='#%04X'>";
constexpr const char* kClose = "</FONT>";

const char* Compose(const char* open, const char* text) {
    char* out = gTextRing[gNextText];
    gNextText = (gNextText + 1) % kTextBuffers;
    size_t n = 0;
    for (const char* part : {open, text ? text : "", kClose}) {
        const size_t length = std::strlen(part);
        const size_t room = kTextBufferSize - 1 - n;
        const size_t take = length < room ? length : room;
        std::memcpy(out + n, part, take);
        n += take;
    }
    out[n] = '\0';
    return out;
}

void DrawText(const char* open, const char* text, float x, float y, float scale, bool centred,
              Rgba c) {
    SetScreenTextColour(c.r, c.g, c.b, c.a);
    SetTextScale(scale, scale);
    const float drawX = centred ? CentredTextX(text, x, scale) : x;
    const uint64_t literal = TextLiteral(Compose(open, text));
    DisplayScreenText(ColouredText(literal), drawX, y);
}

} // namespace

void DrawBusinessSprite(const char* dict, const char* texture, float x, float y, float w, float h,
                        Rgba c) {
    if (!TextureDictLoaded(dict)) RequestTextureDict(dict);
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
    DrawText(kTitleOpen, text, x, y, scale, centred, colour);
}

void DrawBodyText(const char* text, float x, float y, float scale, bool centred, int32_t alpha) {
    DrawText(kBodyOpen, text, x, y, scale, centred, White(alpha));
}

void PlayBusinessSound(const char* sound, const char* soundSet) {
    PlaySoundFrontend(sound, soundSet);
}

} // namespace corvale::business
