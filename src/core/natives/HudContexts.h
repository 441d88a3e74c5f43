#pragma once
// HUD contexts: the game's screen layouts (which HUD elements show, which prompts work).
#include "core/natives/NativeCall.h"

namespace corvale {

// The context holds for this frame only.
void EnableHudContextThisFrame(Hash context);

} // namespace corvale
