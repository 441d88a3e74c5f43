#pragma once
// The plug-in's own queue of script events. The game keeps an event for the frame it was
// sent in only, and a script that waits inside its logic (a move, a raid round's settle, a
// model) is still resumed in every one of those frames: each resumption copies that frame's
// events here, so a reader that next runs after the wait still sees them. Each reader walks
// the inbox with a cursor of its own, in the order the game queued the events, and every
// reader sees every event once.
#include "core/events/EventChannel.h"

#include <cstdint>

namespace corvale::events {

// Events kept for readers that have not walked them yet; one frame of the game rarely holds
// more than a few. A reader that falls further behind loses the oldest, and the log says so.
inline constexpr uint32_t kInboxCapacity = 256;

// From now on, every time the script is resumed (ScriptWait), the frame's script events are
// copied into the inbox as reader takes them. The plug-in's entry calls it once.
void KeepEventsWhileWaiting(Reader reader);
// Back to plain waits (tests that run several hosts in one process).
void StopKeepingEvents();
// Copies the events of the current frame into the inbox now (what each resumption does).
void KeepFrameEvents();

// Where a reader stands: it has walked every event kept before it.
class EventCursor {
  public:
    // Starts at the end of the inbox: the reader sees the events kept from now on.
    EventCursor();
    uint64_t next() const { return next_; }
    void moveTo(uint64_t next) { next_ = next; }

  private:
    uint64_t next_;
};

// Events kept so far, counted since the plug-in started.
uint64_t KeptEventsEnd();
// The first event from `from` on that is still kept; logs once when older ones were lost.
uint64_t FirstKeptEvent(uint64_t from);
// Copies kept event number index into event.
void CopyKeptEvent(uint64_t index, ScriptEvent& event);

// Calls onEvent(const ScriptEvent&) for every event kept since the cursor's last walk, then
// moves the cursor past them. A reader that waits inside onEvent sees the events kept
// meanwhile on its next walk. Nothing is allocated and no native is called.
template <class F> void ForEachKeptEvent(EventCursor& cursor, F&& onEvent) {
    const uint64_t end = KeptEventsEnd();
    if (cursor.next() >= end) return;
    ScriptEvent event;
    for (uint64_t i = FirstKeptEvent(cursor.next()); i < end; ++i) {
        CopyKeptEvent(i, event);
        onEvent(static_cast<const ScriptEvent&>(event));
    }
    cursor.moveTo(end);
}

} // namespace corvale::events
