// The game's script event queue, the business plug-in's way: 100-word payloads out, every
// queued entry read without a type test.
#include "business/natives/BusinessEvents.h"

#include "core/natives/Strings.h"

namespace corvale::business {

namespace {
constexpr uint64_t kGetNumberOfEvents = 0x5ce8de5909565748;
constexpr uint64_t kGetEventData = 0x57ec5fa4d4d6afca;
constexpr uint64_t kTriggerScriptEvent = 0x5ae99c571d5bbe5d;
constexpr int32_t kScriptEventGroup = 1;
constexpr int32_t kReadCapacitySlots = 50;
constexpr int32_t kSendFlag = 2;
} // namespace

int32_t QueuedEventCount() { return Invoke<int32_t>(kGetNumberOfEvents, kScriptEventGroup); }

bool ReadQueuedEvent(int32_t index, EventWords& words) {
    return Invoke<bool>(kGetEventData, kScriptEventGroup, index, words.data(), kReadCapacitySlots);
}

void SendBusinessEvent(const char* name, std::initializer_list<int32_t> args) {
    // The game copies size x 8 bytes: a size of 100 reads 800 bytes, so the buffer holds
    // that much even though only the first words mean anything.
    std::array<int32_t, 2 * kEventWords> words{};
    words[0] = static_cast<int32_t>(HashString(name));
    int32_t n = 1;
    for (int32_t a : args) {
        if (n >= kEventWords) break;
        words[static_cast<size_t>(n++)] = a;
    }
    int32_t one = 1;
    Invoke(kTriggerScriptEvent, kScriptEventGroup, words.data(), kEventWords, kSendFlag, &one);
}

} // namespace corvale::business
