#pragma once
// Where the wagon offers its sale: at the wagon, but not where the camp's ledger or drinks
// crate stands beside it. At some camps the ledger is within the wagon's 4 m; there the camp
// shows the ledger's prompts, "Run the Still" among them, and the wagon must not take them.
#include "core/natives/Vector3.h"

namespace corvale::business {

// wagonDistance: the player's distance from the wagon's place this frame.
bool AtWagon(const Vector3& player, float wagonDistance);

} // namespace corvale::business
