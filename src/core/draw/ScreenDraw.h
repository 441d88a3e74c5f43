#pragma once
// The drawing kit of both plug-ins: text and textures drawn for the current frame, in
// fractions of the screen. Immediate mode: call every frame the element should stay on
// screen. The game has two layers: the camp plug-in draws on the background layer, the
// still's menu on the HUD layer.
#include "core/draw/Rgba.h"
#include "core/text/TextWidth.h" // EstimateTextWidth, by which centred text is moved

#include <cstdint>

namespace corvale {

enum class ScreenLayer : uint8_t { Background, Hud };

struct TextLook {
    const char* font = "$body"; // a game font such as "$title" or "$body"
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    Rgba colour;
    bool centred = false; // x is the top centre, not the top-left corner
    ScreenLayer layer = ScreenLayer::Background;
};

// Text with its top-left corner (or its top centre) at x, y.
void DrawText(const char* text, float x, float y, const TextLook& look);
// The same on the background layer.
void DrawText(const char* text, float x, float y, int32_t red, int32_t green, int32_t blue,
              int32_t alpha, bool centred, float scaleX, float scaleY, const char* font);

// White "$title" text at the top-left corner, for the developer's debug tools.
void DrawDebugText(const char* text);
void DrawDebugText(int32_t value); // decimal
void DrawDebugText(float value);   // six decimals

// The one-shot message line in the middle of the screen.
void ShowMessageLine(const char* text);

// Where a texture goes: its centre and its size, in screen fractions.
struct ScreenBox {
    float x = 0, y = 0, width = 0, height = 0;
};
constexpr ScreenBox BoxFromCorner(float left, float top, float width, float height) {
    return ScreenBox{left + width * 0.5f, top + height * 0.5f, width, height};
}
// In pixels of a 1920 x 1080 screen, by the centre or by the top-left corner.
ScreenBox BoxFromPixels(float x, float y, float width, float height, bool topLeft = false);

void DrawSprite(const char* dictionary, const char* texture, const ScreenBox& box, Rgba colour,
                ScreenLayer layer, float rotation = 0.0f);
// A texture with its top-left corner at x, y, on the background layer.
void DrawSprite(const char* dictionary, const char* texture, float x, float y, float width,
                float height, float rotation, int32_t red, int32_t green, int32_t blue,
                int32_t alpha);

} // namespace corvale
