#pragma once
// The business plug-in's script entry.

namespace corvale::business {

// Registered with the host at attach; never returns while the game runs.
void BusinessMain();

} // namespace corvale::business
