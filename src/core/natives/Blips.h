#pragma once
// Map blips: markers on the map and radar for an entity, a point or an area.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Game names blips are styled with by value.
namespace blips {
inline constexpr Hash kStyleStill = 0xB04092F8;       // the still's marker while herbs wait
inline constexpr Hash kStyleWagonAtCamp = 0xEC972124; // the delivery wagon waiting at the camp
inline constexpr Hash kStyleDelivery = 0x1857A152;    // the wagon and the buyer on a delivery
inline constexpr Hash kStyleEnemy = 0x318C617C;       // a rider who attacks the player
inline constexpr Hash kSpriteNone = 0;
inline constexpr Hash kSpriteWagon = 0x3C5469D5;
inline constexpr Hash kSpriteBuyer = 0xDDFBA6AB;
inline constexpr Hash kModifierDestination = 0x900A4D0A; // the buyer's circle on the map
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
// A modifier such as "BLIP_MODIFIER_PULSE_THREE_TIMES", by its hash.
void AddBlipModifier(Blip blip, Hash modifier);
bool BlipExists(Blip blip);
bool EntityHasBlip(Entity entity);
// Takes a modifier off again (an enemy no longer on guard).
bool RemoveBlipModifier(Blip blip, Hash modifier);
// The game clears the handle to 0.
void DeleteBlip(Blip& blip);
// Deletes the blip when the game still has it; the handle is 0 afterwards either way.
void RemoveBlipIfExists(Blip& blip);


namespace blips {
inline constexpr Hash kStyleMission = 0x63B83205; // a mission's place on the map
} // namespace blips

} // namespace corvale
