#pragma once
// Prop sets: groups of props placed as one (camp furniture, work spots).
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Waits up to 2000 ms of game timer for the prop set to load, one request a frame; on
// time-out logs "failed to load propset: " with the hash and returns 0.
PropSet SpawnPropset(const char* name, const Vector3& position, float heading);
PropSet SpawnPropset(Hash name, const Vector3& position, float heading);
// The same wait polled once a frame from start on (one request a call), by a script that must
// not wait inside its frame: true once it is over (loaded, or given up now or a moment ago).
// A spawn after a give-up returns 0 at once.
bool PropSetWaitOver(Hash name, int32_t start);
// The prop set named is loaded and can be placed at once.
bool PropSetLoaded(Hash name);
// The game may drop a prop set on its own; false then.
bool PropSetExists(PropSet propset);
// Every prop of the set stands in the world.
bool IsPropSetLoaded(PropSet propset);
// Removes the set now; withProps takes its props along.
void DeletePropSet(PropSet propset, bool withProps, bool flag);
// Hands the set back to the game, which removes it when the player is not looking.
void ReleasePropSet(PropSet propset);

} // namespace corvale
