#pragma once
// Screen text and sprites drawn for the current frame. Colour and scale apply to the next
// text drawn. The game has two text layers: the camp's kit draws on the background layer,
// the still's menu on the HUD layer.
#include "core/natives/NativeCall.h"
#include "core/natives/Strings.h"

namespace corvale {

// Applies to the next text drawn this frame, on either layer.
void SetTextScale(float x, float y);

// The background layer.
void SetTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);
void DisplayText(uint64_t text, float x, float y);
// The HUD layer.
void SetHudTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);
void DisplayHudText(uint64_t text, float x, float y);

// A texture drawn this frame, positioned by its centre; the camp's kit draws with the last
// flag set, the still's menu without.
void DrawSpriteCentred(const char* dictionary, const char* texture, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha, bool flag);

} // namespace corvale
