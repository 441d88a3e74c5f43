#pragma once
// Screen natives both plug-ins draw with: the scale of the next text and sprites.
#include "core/natives/NativeCall.h"
#include "core/natives/Strings.h"

namespace corvale {

// Applies to the next text drawn this frame.
void SetTextScale(float x, float y);

// A texture drawn this frame, positioned by its centre; the camp's kit draws with the last
// flag set, the still's menu without.
void DrawSpriteCentred(const char* dictionary, const char* texture, float centreX, float centreY,
                       float width, float height, float rotation, int32_t red, int32_t green,
                       int32_t blue, int32_t alpha, bool flag);

} // namespace corvale
