#pragma once
// Entities: where they are, which way they face, whether they exist, and removing them.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

Vector3 EntityPosition(Entity entity);
// Degrees, 0 facing +y.
float EntityHeading(Entity entity);
// The unit direction the entity faces; add it scaled (0.5 in front, -1 behind) to a position.
Vector3 EntityForward(Entity entity);
// The facing derived from the entity's rotation (pitch and yaw).
Vector3 EntityRotationDirection(Entity entity);
bool EntityExists(Entity entity);
bool IsEntityDead(Entity entity);
void SetEntityVisible(Entity entity, bool visible);
// source: the entity held responsible for the change, 0 for none.
void SetEntityHealth(Entity entity, int32_t health, Entity source);
// Which kinds of damage the entity ignores (a bit set of the game's).
void SetEntityProofs(Entity entity, int32_t proofs, bool flag);

// Removing entities: the game clears the handle to 0.
void DeleteEntity(Entity& entity);
void DeletePed(Ped& ped);
// Hands the entity back to the game, which removes it when the player is not looking.
void ReleaseEntity(Entity& entity);

// Puts the entity at the position at once (with whoever rides it).
void SetEntityCoords(Entity entity, const Vector3& position, bool xAxis, bool yAxis, bool zAxis,
                     bool clearArea);
// Health as a fraction of the entity's full health: 1 unhurt, 0 dead.
float EntityHealthFraction(Entity entity);

} // namespace corvale
