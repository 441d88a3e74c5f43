#pragma once
// Screen text natives both plug-ins draw with: the scale of the next text, and the text
// handle the game draws in colour.
#include "core/natives/NativeCall.h"

namespace corvale {

// Applies to the next text drawn this frame.
void SetTextScale(float x, float y);

// The text ready to draw: the game draws only texts it composed itself.
uint64_t ColouredText(uint64_t text);

} // namespace corvale
