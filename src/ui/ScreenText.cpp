#include "ui/ScreenText.h"

#include "core/natives/Strings.h"
#include "ui/HudNatives.h"
#include "ui/TextFormat.h"

#include <cstdio>
#include <cstring>

namespace corvale {

namespace {

// Composed mark-up stays here until the ring comes round again, far more text than any
// frame draws, so the game can use it for the whole frame and nothing is allocated.
constexpr size_t kRingBytes = 32 * 1024;
char gRing[kRingBytes];
size_t gRingHead = 0;

constexpr const char* kMarkupOpen = "<FONT FACE='";
constexpr const char* kMarkupColour = "' COLOR='#ffffff'>";
constexpr const char* kMarkupClose = "</FONT>";

const char* ComposeMarkup(const char* font, const char* text) {
    const size_t frame =
        std::strlen(kMarkupOpen) + std::strlen(kMarkupColour) + std::strlen(kMarkupClose);
    const size_t need = frame + std::strlen(font) + std::strlen(text) + 1;
    if (need > kRingBytes - gRingHead) gRingHead = 0;
    char* out = gRing + gRingHead;
    // A text too long for the ring loses its end, never its closing tag.
    const size_t body = (need < kRingBytes ? need : kRingBytes) - std::strlen(kMarkupClose);
    size_t n = CopyText(out, body, kMarkupOpen);
    n += CopyText(out + n, body - n, font);
    n += CopyText(out + n, body - n, kMarkupColour);
    n += CopyText(out + n, body - n, text);
    n += CopyText(out + n, kRingBytes - gRingHead - n, kMarkupClose);
    gRingHead += n + 1;
    return out;
}

} // namespace

void DrawText(const char* text, float x, float y, int32_t red, int32_t green, int32_t blue,
              int32_t alpha, bool centred, float scaleX, float scaleY, const char* font) {
    if (!text) text = "";
    if (!font) font = "";
    SetTextColour(red, green, blue, alpha);
    SetTextScale(scaleX, scaleY);
    // The game's own centring native is missing from the current build: centre here.
    if (centred) x = CentredTextX(text, x, scaleX);
    const uint64_t handle = TextLiteral(ComposeMarkup(font, text));
    DisplayText(ColouredText(handle), x, y);
}

void DrawDebugText(const char* text) {
    DrawText(text, 0.0f, 0.0f, 255, 255, 255, 255, false, 0.7f, 0.7f, "$title");
}

void DrawDebugText(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    DrawDebugText(text);
}

void DrawDebugText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    DrawDebugText(text);
}

void DrawSprite(const char* dictionary, const char* texture, float x, float y, float width,
                float height, float rotation, int32_t red, int32_t green, int32_t blue,
                int32_t alpha) {
    // The game positions sprites by their centre.
    DrawSpriteCentred(dictionary, texture, x + width * 0.5f, y + height * 0.5f, width, height,
                      rotation, red, green, blue, alpha, true);
}

} // namespace corvale
