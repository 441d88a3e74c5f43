#include "core/natives/AiEvents.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kGetRecentEvent{0x796eecff0c6d39be, "_EVENT_GET_RECENT_EVENT",
                                         "Entity,int,int"};
constexpr native::Native kGetSourceEntityFromEvent{
    0x822a001bcea5bd81, "_EVENT_GET_SOURCE_ENTITY_FROM_EVENT", "Entity,Hash,int,int"};
} // namespace

Hash RecentPedEvent(Ped ped, int32_t index, int32_t flags) {
    return Invoke<Hash>(kGetRecentEvent, ped, index, flags);
}

Entity PedEventSource(Ped ped, Hash eventType, int32_t a, int32_t b) {
    return Invoke<Entity>(kGetSourceEntityFromEvent, ped, eventType, a, b);
}

} // namespace corvale
