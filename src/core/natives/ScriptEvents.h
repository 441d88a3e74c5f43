#pragma once
// The game's event queues: script events between scripts (group 1) and the game's own
// events. Sizes and capacities count 8-byte script slots.
#include "core/natives/NativeCall.h"

namespace corvale {

// Events visible in an event group during this frame.
int32_t EventCount(int32_t group);
// The type of the event at index (0 when there is none).
Hash EventTypeAt(int32_t group, int32_t index);
// Copies at most capacitySlots slots of the event's data into block.
bool ReadEventData(int32_t group, int32_t index, void* block, int32_t capacitySlots);
// Fires a script event whose data is the first sizeSlots slots at payload.
void TriggerScriptEvent(int32_t group, const void* payload, int32_t sizeSlots);

} // namespace corvale
