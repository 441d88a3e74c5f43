#pragma once
// The developer debug tools: toggled with F2 when the DevTools setting is on.
#include "core/natives/DebugTools.h"

namespace corvale {

class Session;

// Switches the tools on or off with the on-screen message and the player's invincibility.
void ToggleDebugTools(Session& session);
// One frame of the tools while they are on (keys F1, F3, Z, K, X, N).
void RunDebugToolsFrame(Session& session);

} // namespace corvale
