#pragma once
// HUD contexts: which parts of the game's HUD show (a shop's, while a menu is open).
#include "core/natives/NativeCall.h"

namespace corvale {

inline constexpr Hash kShopHudContext = 0x1c43984e;
inline constexpr Hash kInShopHudContext = 0xAFAF9BE1; // "HUD_CTX_IN_SHOP"

void EnableHudContext(Hash context);
void DisableHudContext(Hash context);
// Only for the current frame: call every frame it should hold.
void EnableHudContextThisFrame(Hash context);

} // namespace corvale
