#pragma once
// The game's AI events of this frame (event group 0): shots, whistles, shocking sights.
// Data slots are 8 bytes each.
#include "core/natives/ScriptEvents.h"

namespace corvale {

inline constexpr int32_t kAiEventGroup = 0;

inline int32_t AiEventCount() { return EventCount(kAiEventGroup); }
inline Hash AiEventTypeAt(int32_t index) { return EventTypeAt(kAiEventGroup, index); }
// Copies at most capacitySlots slots of the event's data; false when the game has none.
inline bool ReadAiEventData(int32_t index, void* block, int32_t capacitySlots) {
    return ReadEventData(kAiEventGroup, index, block, capacitySlots);
}

} // namespace corvale
