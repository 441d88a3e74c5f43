#pragma once
// Map blips: markers on the map and radar for an entity, a point or an area.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Game names blips are styled with by value.
namespace blips {
inline constexpr Hash kStyleStill = 0xB04092F8; // the still's marker while herbs wait
inline constexpr Hash kStyleEnemy = 0x318C617C; // "BLIP_STYLE_ENEMY": a hostile, no sprite
inline constexpr Hash kModifierEnemyOnGuard = 0xD886D9BD; // "BLIP_MODIFIER_ENEMY_ON_GUARD"
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
bool EntityHasBlip(Entity entity);
// Modifiers change how a blip is drawn (an enemy on guard, an enemy fighting).
bool AddBlipModifier(Blip blip, Hash modifier);
bool RemoveBlipModifier(Blip blip, Hash modifier);
// The game clears the handle to 0.
void DeleteBlip(Blip& blip);

} // namespace corvale
