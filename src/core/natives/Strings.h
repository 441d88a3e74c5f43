#pragma once
// Names to game hashes, composed text to game text handles.
#include "core/natives/NativeCall.h"

namespace corvale {

// The game's hash of a name (model, weapon, event, colour, control, texture...).
Hash HashString(const char* text);

// A game text handle for composed text; the text must stay valid while the game uses it.
uint64_t TextLiteral(const char* text);

} // namespace corvale
