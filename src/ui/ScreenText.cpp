#include "ui/ScreenText.h"

#include "core/natives/HudText.h"
#include "core/natives/Strings.h"
#include "core/text/Markup.h"

#include <cstdio>

namespace corvale {

void DrawText(const char* text, float x, float y, int32_t red, int32_t green, int32_t blue,
              int32_t alpha, bool centred, float scaleX, float scaleY, const char* font) {
    if (!text) text = "";
    if (!font) font = "";
    SetTextColour(red, green, blue, alpha);
    SetTextScale(scaleX, scaleY);
    // The game's own centring native is missing from the current build: centre here.
    if (centred) x = CentredTextX(text, x, scaleX);
    const uint64_t handle = TextLiteral(ComposeFontMarkup(font, "#ffffff", text));
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
