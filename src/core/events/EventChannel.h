#pragma once
// The script event channel between and within the plug-ins: payloads are 32-bit words
// packed 4 bytes apart, word 0 the game hash of the event name; the game counts sizes in
// 8-byte slots.
#include "core/natives/ScriptEvents.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace corvale::events {

inline constexpr int32_t kScriptEventGroup = 1;
// The business plug-in sends every event with this size, whatever its words.
inline constexpr int32_t kBusinessEventSize = 100;
// The largest size any sender uses.
inline constexpr int32_t kMaxEventSize = kBusinessEventSize;
// Receivers read into 400 bytes and ask for at most 50 slots, which fit exactly.
inline constexpr size_t kReadWords = 100;
inline constexpr int32_t kReadCapacity = 50;

// Who reads: the camp plug-in skips events whose type is not a script event; the business
// plug-in reads every entry.
enum class Reader { Camp, Business };

// One event as a receiver sees it. Cleared before every read, so words the sender did not
// send read as 0 instead of the previous event's.
class ScriptEvent {
  public:
    int32_t id() const { return words_[0]; }
    // Word n of the payload; 0 past the buffer.
    int32_t word(size_t n) const { return n < kReadWords ? words_[n] : 0; }
    // Whether word 0 is the game hash of name (hashed now).
    bool is(const char* name) const;

  private:
    friend bool ReadScriptEvent(int32_t index, Reader reader, ScriptEvent& event);
    alignas(8) int32_t words_[kReadWords] = {};
};
static_assert(sizeof(ScriptEvent) == kReadCapacity * 8, "the read capacity must fill the buffer");

// Sends words as a script event of size slots, from a zeroed buffer of size slots so the
// game never copies past it. size is at most kMaxEventSize.
void SendScriptEvent(const int32_t* words, size_t count, int32_t size);
// The camp plug-in: size = the number of words.
void SendCampEvent(const int32_t* words, size_t count);
void SendCampEvent(std::initializer_list<int32_t> words);
// The business plug-in: size 100 whatever the number of words.
void SendBusinessEvent(const int32_t* words, size_t count);
void SendBusinessEvent(std::initializer_list<int32_t> words);

// Reads this frame's event at index into event; false when the reader skips it.
bool ReadScriptEvent(int32_t index, Reader reader, ScriptEvent& event);

// Calls onEvent(const ScriptEvent&) for every script event of this frame the reader takes.
// A frame without events costs one count query; nothing is allocated.
template <class F> void ForEachScriptEvent(Reader reader, F&& onEvent) {
    const int32_t count = EventCount(kScriptEventGroup);
    if (count <= 0) return;
    ScriptEvent event;
    for (int32_t i = 0; i < count; ++i) {
        if (ReadScriptEvent(i, reader, event)) onEvent(static_cast<const ScriptEvent&>(event));
    }
}

} // namespace corvale::events
