#pragma once
// Text and textures drawn for the current frame. Immediate mode: call every frame the
// element should stay on screen. Positions and sizes are fractions of the screen.
#include "core/text/TextWidth.h" // EstimateTextWidth, by which centred text is moved

#include <cstdint>

namespace corvale {

// Draws text with its top-left corner at x, y (or its top centre when centred), in a game
// font such as "$title" or "$body".
void DrawText(const char* text, float x, float y, int32_t red, int32_t green, int32_t blue,
              int32_t alpha, bool centred, float scaleX, float scaleY, const char* font);

// White "$title" text at the top-left corner, for the developer's debug tools.
void DrawDebugText(const char* text);
void DrawDebugText(int32_t value); // decimal
void DrawDebugText(float value);   // six decimals

// Draws a texture with its top-left corner at x, y.
void DrawSprite(const char* dictionary, const char* texture, float x, float y, float width,
                float height, float rotation, int32_t red, int32_t green, int32_t blue,
                int32_t alpha);

} // namespace corvale
