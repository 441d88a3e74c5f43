#include "core/events/EventChannel.h"

#include "core/events/EventNames.h"
#include "core/natives/Strings.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace corvale::events {

bool ScriptEvent::is(const char* name) const {
    return words_[0] == static_cast<int32_t>(HashString(name));
}

void SendScriptEvent(const int32_t* words, size_t count, int32_t size) {
    assert(size >= 0 && size <= kMaxEventSize);
    size = std::clamp(size, 0, kMaxEventSize);
    // The game copies size x 8 bytes; a payload of N words packed 4 bytes apart fills only
    // half of that, so the words go into zeroed slots of the full size.
    uint64_t slots[kMaxEventSize] = {};
    const size_t fit = std::min(count, static_cast<size_t>(size) * 2);
    if (fit > 0) std::memcpy(slots, words, fit * sizeof(int32_t));
    TriggerScriptEvent(kScriptEventGroup, slots, size);
}

void SendCampEvent(const int32_t* words, size_t count) {
    SendScriptEvent(words, count, static_cast<int32_t>(count));
}

void SendCampEvent(std::initializer_list<int32_t> words) {
    SendCampEvent(words.begin(), words.size());
}

void SendBusinessEvent(const int32_t* words, size_t count) {
    SendScriptEvent(words, count, kBusinessEventSize);
}

void SendBusinessEvent(std::initializer_list<int32_t> words) {
    SendBusinessEvent(words.begin(), words.size());
}

bool ReadScriptEvent(int32_t index, Reader reader, ScriptEvent& event) {
    if (reader == Reader::Camp &&
        EventTypeAt(kScriptEventGroup, index) != HashString(kScriptEventType)) {
        return false;
    }
    // Another script may send a shorter payload under our names: clear what it leaves.
    std::memset(event.words_, 0, sizeof event.words_);
    // The result is not trusted: a failed read leaves word 0 at 0, which no name matches.
    ReadEventData(kScriptEventGroup, index, event.words_, kReadCapacity);
    return true;
}

} // namespace corvale::events
