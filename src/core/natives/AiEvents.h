#pragma once
// The game's AI events of this frame (event group 0): shots, whistles, shocking sights.
// Data slots are 8 bytes each.
#include "core/natives/Handles.h"
#include "core/natives/ScriptEvents.h"

#include <cstring>

namespace corvale {

inline constexpr int32_t kAiEventGroup = 0;

// Event types by the game's names.
namespace aievents {
inline constexpr Hash kShotFiredWhizzedBy = 0xBE4F7341; // "EVENT_SHOT_FIRED_WHIZZED_BY"
inline constexpr Hash kShotFired = 0xDCF8FE39;          // "EVENT_SHOT_FIRED"
inline constexpr Hash kShockingDeadBody = 0x33D080D9;   // "EVENT_SHOCKING_DEAD_BODY"
} // namespace aievents

inline int32_t AiEventCount() {
    return EventCount(kAiEventGroup);
}
inline Hash AiEventTypeAt(int32_t index) {
    return EventTypeAt(kAiEventGroup, index);
}
// Copies at most capacitySlots slots of the event's data; false when the game has none.
inline bool ReadAiEventData(int32_t index, void* block, int32_t capacitySlots) {
    return ReadEventData(kAiEventGroup, index, block, capacitySlots);
}

// A float the game keeps in the low half of an 8-byte event slot (an explosion's point).
inline float SlotFloat(uint64_t slot) {
    const uint32_t bits = static_cast<uint32_t>(slot);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// What a ped's own AI has noticed lately: the type of the index-th most recent event (0
// when none), and the entity behind the latest event of a type (0 when none).
Hash RecentPedEvent(Ped ped, int32_t index, int32_t flags);
Entity PedEventSource(Ped ped, Hash eventType, int32_t a, int32_t b);

} // namespace corvale
