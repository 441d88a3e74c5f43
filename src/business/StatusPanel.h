#pragma once
// The small panel at the top right near the camp: mash, flavour and product, as bars.
namespace corvale::business {

class BusinessScript;

// Draws it for this frame and slows the player to a walk unless in combat.
void DrawStatusPanel(const BusinessScript& script);

} // namespace corvale::business
