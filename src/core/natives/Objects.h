#pragma once
// Props the plug-ins place in the world.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Waits frame by frame for the model, as SpawnPed does (0: not spawned); a fixed object stays
// where it is put, a loose one is dropped onto the ground.
Object SpawnObject(const char* model, const Vector3& position, float heading, bool fixed,
                   bool visible);
Object SpawnObject(Hash model, const Vector3& position, float heading, bool fixed, bool visible);

} // namespace corvale
