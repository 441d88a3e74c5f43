#pragma once
// The game controls of the player's control group, by control hash.
#include "core/natives/NativeCall.h"

namespace corvale {

// Controls read by hash as the game names them.
inline constexpr Hash kControlFrontendDown = 0x05CA7C52;   // "INPUT_FRONTEND_DOWN"
inline constexpr Hash kControlFrontendUp = 0x6319DB71;     // "INPUT_FRONTEND_UP"
inline constexpr Hash kControlFrontendAccept = 0xC7B5340A; // "INPUT_FRONTEND_ACCEPT"
inline constexpr Hash kControlContextA = 0x5181713D;       // "INPUT_CONTEXT_A"
inline constexpr Hash kControlOpenSatchel = 0x9B1CA8DA;    // "INPUT_INSPECT_OPEN_SATCHEL"
inline constexpr Hash kControlRevealHud = 0xCF8A4ECA;      // "INPUT_REVEAL_HUD"

// Pressed this frame (and not disabled for it).
bool IsControlJustPressed(Hash control);
// Reads even while the game disables the control.
bool IsDisabledControlJustPressed(Hash control);
// Held down this frame.
bool IsControlHeld(Hash control);
// The control does nothing in the game this frame; with related, nor do the actions tied to it.
void DisableControlThisFrame(Hash control, bool related);

} // namespace corvale
