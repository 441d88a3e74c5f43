#pragma once
// The camp plug-in's script entry.

namespace corvale {

// Registered with the host at attach; never returns while the game runs.
void ScriptMain();

} // namespace corvale
