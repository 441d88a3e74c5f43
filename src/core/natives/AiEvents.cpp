#include "core/natives/AiEvents.h"

namespace corvale {

namespace {
constexpr uint64_t kGetRecentEvent = 0x796eecff0c6d39be;
constexpr uint64_t kGetSourceEntityFromEvent = 0x822a001bcea5bd81;
} // namespace

Hash RecentPedEvent(Ped ped, int32_t index, int32_t flags) {
    return Invoke<Hash>(kGetRecentEvent, ped, index, flags);
}

Entity PedEventSource(Ped ped, Hash eventType, int32_t a, int32_t b) {
    return Invoke<Entity>(kGetSourceEntityFromEvent, ped, eventType, a, b);
}

} // namespace corvale
