#pragma once
// What peds see and how they are seen: line of sight within a seeing range, crouching and
// cover, the height of an entity over a point, the values on a ped's behaviour blackboard.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

// The observer surely has the target in sight now (range and obstacles as the game judges
// them); while the game is still unsure, not yet.
bool CanPedSeeEntity(Ped observer, Entity target, bool a, bool b);
// How far the ped sees, in metres.
void SetPedSeeingRange(Ped ped, float metres);
// The ped moves crouched.
bool IsPedCrouching(Ped ped);
bool IsPedInCover(Ped ped, bool a, bool b);
// How high the entity stands over the point.
float EntityHeightAt(Entity entity, const Vector3& point, bool a, bool b);
// A named value on the ped's behaviour blackboard; 0 when not set ("FoliageHeight": how high
// the vegetation around the ped reaches).
float PedBlackboardFloat(Ped ped, const char* name);
// Which events the game's AI tracks for the ped, by a named profile ("SpDefaultStealth").
void SetPedEventTracker(Ped ped, const char* profile, int32_t flags);

} // namespace corvale
