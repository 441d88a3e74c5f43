#pragma once
// The game's event queues, as raw calls: how many events a group holds, an event's type and
// payload, and sending a script event. Sizes count the game's 8-byte slots.
#include "core/natives/NativeCall.h"

namespace corvale {

int32_t EventCount(int32_t group);
Hash EventTypeAt(int32_t group, int32_t index);
// Copies up to `slots` slots of the event's payload into buffer; false when there is none.
bool ReadEventData(int32_t group, int32_t index, void* buffer, int32_t slots);
// Sends `size` slots from payload to the scripts listening on the group.
void SendScriptEventRaw(int32_t group, const void* payload, int32_t size, int32_t mode,
                        const int32_t* target);

} // namespace corvale
