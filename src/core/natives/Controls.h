#pragma once
// The game controls of the player's control group, by control hash.
#include "core/natives/NativeCall.h"

namespace corvale {

// Pressed this frame (and not disabled for it).
bool IsControlJustPressed(Hash control);
// Held down this frame.
bool IsControlPressed(Hash control);
// Reads even while the game disables the control.
bool IsDisabledControlJustPressed(Hash control);

} // namespace corvale
