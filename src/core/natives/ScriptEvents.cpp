#include "core/natives/ScriptEvents.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kGetNumberOfEvents{0x5ce8de5909565748, "GET_NUMBER_OF_EVENTS", "int"};
constexpr native::Native kGetEventAtIndex{0xa85e614430eff816, "GET_EVENT_AT_INDEX", "int,int"};
constexpr native::Native kGetEventData{0x57ec5fa4d4d6afca, "GET_EVENT_DATA", "int,int,Any*,int"};
constexpr native::Native kTriggerScriptEvent{0x5ae99c571d5bbe5d, "TRIGGER_SCRIPT_EVENT",
                                             "int,Any*,int,int,int*"};
// The game's own values for a script event sent to every script; passed as they are.
constexpr int32_t kSendMode = 2;
constexpr int32_t kSendTarget = 1;
} // namespace

int32_t EventCount(int32_t group) {
    return Invoke<int32_t>(kGetNumberOfEvents, group);
}

Hash EventTypeAt(int32_t group, int32_t index) {
    return Invoke<Hash>(kGetEventAtIndex, group, index);
}

bool ReadEventData(int32_t group, int32_t index, void* block, int32_t capacitySlots) {
    return Invoke<bool>(kGetEventData, group, index, block, capacitySlots);
}

void TriggerScriptEvent(int32_t group, const void* payload, int32_t sizeSlots) {
    int32_t target = kSendTarget;
    Invoke(kTriggerScriptEvent, group, payload, sizeSlots, kSendMode, &target);
}

} // namespace corvale
