#pragma once
// Names to game hashes, composed text to game text handles.
#include "core/natives/NativeCall.h"

namespace corvale {

// The game's hash of a name (model, weapon, event, colour, control, texture...).
Hash HashString(const char* text);

// A game text handle for composed text; the text must stay valid while the game uses it.
uint64_t TextLiteral(const char* text);

// Text handles the game composes from the same native.
uint64_t ColouredText(uint64_t text);   // the text ready to draw: the game draws only its own
uint64_t ItemNameText(Hash item);       // the item's display name
uint64_t CashAmountText(int32_t cents); // "$2.50"

} // namespace corvale
