#pragma once
// Map blips: markers on the map and radar for an entity, a point or an area.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Game names blips are styled with by value.
namespace blips {
inline constexpr Hash kStyleStill = 0xB04092F8; // the still's marker while herbs wait
} // namespace blips

// A blip that follows the entity; the game removes it with the entity.
Blip AddEntityBlip(Hash style, Entity entity);
Blip AddPointBlip(Hash style, const Vector3& point);
// A circle of radius metres around the point.
Blip AddAreaBlip(Hash style, const Vector3& point, float radius);
void SetBlipSprite(Blip blip, Hash sprite);
// The name shown for the blip on the map; text is a game text handle.
void SetBlipLabel(Blip blip, uint64_t text);
void SetBlipStyle(Blip blip, Hash style);
bool BlipExists(Blip blip);
// The game clears the handle to 0.
void DeleteBlip(Blip& blip);

} // namespace corvale
