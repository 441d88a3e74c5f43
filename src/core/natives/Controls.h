#pragma once
// The game controls of the player's control group, by control hash.
#include "core/natives/NativeCall.h"

namespace corvale {

// Pressed this frame (and not disabled for it).
bool IsControlJustPressed(Hash control);
// Reads even while the game disables the control.
bool IsDisabledControlJustPressed(Hash control);
// The control does nothing in the game for this frame; scripts still read it as disabled.
void DisableControlThisFrame(Hash control);

} // namespace corvale
