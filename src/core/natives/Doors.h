#pragma once
// Buildings: the doors the game's door system locks and opens, and the interiors entities
// stand in.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

namespace doors {
inline constexpr int32_t kUnlocked = 0;
inline constexpr int32_t kLocked = 1;
// The Valentine jail's.
inline constexpr Hash kValentineJailBack = 0x59EE1B8A;
inline constexpr Hash kValentineJailFront = 0x1FE862E6;
inline constexpr Hash kValentineJailCell = 0x119AC64B;
} // namespace doors

// Locks or opens a door of the door system, by the door's hash.
void SetDoorState(Hash door, int32_t state);
// The interior the entity stands in; 0 out of doors.
int32_t InteriorOf(Entity entity);

} // namespace corvale
