#pragma once
// HUD contexts: which parts of the game's HUD show (a shop's, while a menu is open).
#include "core/natives/NativeCall.h"

namespace corvale {

inline constexpr Hash kShopHudContext = 0x1c43984e;

void EnableHudContext(Hash context);
void DisableHudContext(Hash context);
// Only for the current frame: call every frame it should hold.
void EnableHudContextThisFrame(Hash context);

} // namespace corvale
