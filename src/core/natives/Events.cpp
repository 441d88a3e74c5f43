#include "core/natives/Events.h"

namespace corvale {

namespace {
constexpr uint64_t kGetNumberOfEvents = 0x5ce8de5909565748;
constexpr uint64_t kGetEventAtIndex = 0xa85e614430eff816;
constexpr uint64_t kGetEventData = 0x57ec5fa4d4d6afca;
constexpr uint64_t kTriggerScriptEvent = 0x5ae99c571d5bbe5d;
} // namespace

int32_t EventCount(int32_t group) {
    return Invoke<int32_t>(kGetNumberOfEvents, group);
}

Hash EventTypeAt(int32_t group, int32_t index) {
    return Invoke<Hash>(kGetEventAtIndex, group, index);
}

bool ReadEventData(int32_t group, int32_t index, void* buffer, int32_t slots) {
    return Invoke<bool>(kGetEventData, group, index, buffer, slots);
}

void SendScriptEventRaw(int32_t group, const void* payload, int32_t size, int32_t mode,
                        const int32_t* target) {
    Invoke(kTriggerScriptEvent, group, payload, size, mode, target);
}

} // namespace corvale
