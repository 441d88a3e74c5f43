#pragma once
// The small panel at the top right near the camp: mash, flavour and product, as bars; and the
// walking pace the player keeps there.
#include "core/natives/Handles.h"

namespace corvale::business {

class BusinessScript;

// Draws the panel for this frame.
void DrawStatusPanel(BusinessScript& script);
// Slows the player to a walk for this frame, unless fighting.
void KeepToWalkingPace(Ped player);

} // namespace corvale::business
