#pragma once
// Text wrapped in the game's font mark-up, ready for TextLiteral. Both plug-ins compose into
// one ring of text that the game reads until the frame is shown.
#include <cstddef>

namespace corvale {

// "<FONT FACE='" font "' COLOR='" colour "'>" text "</FONT>", each copied as it stands. The
// result stays valid while less than the ring's size has been composed after it. A text too
// long for the ring loses its end, never the closing tag, and never half a UTF-8 character.
const char* ComposeFontMarkup(const char* font, const char* colour, const char* text);

// The ring's size in bytes: far more text than any frame draws.
inline constexpr size_t kMarkupRingBytes = 32 * 1024;

} // namespace corvale
