#pragma once
// Map blips of the camp plug-in: the camp, the still, missions and their targets.
#include "core/natives/Blips.h"

namespace corvale {

// A blip on the entity, with sprite unless it is 0; 0 for entity 0 (nothing to mark).
Blip BlipForEntity(Entity entity, Hash style, Hash sprite);
// A blip at the point, with sprite unless it is 0.
Blip BlipAtPoint(const Vector3& point, Hash style, Hash sprite);
// A circle of radius metres around the point, with sprite unless it is 0.
Blip BlipForArea(const Vector3& point, float radius, Hash style, Hash sprite);
// Removes the blip if the game still has it; the handle becomes 0 either way.
void RemoveBlip(Blip* blip);
// The name the map shows for the blip.
void SetBlipName(Blip blip, const char* text);

} // namespace corvale
