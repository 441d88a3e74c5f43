#include "core/events/EventInbox.h"

#include "core/log/Log.h"
#include "core/natives/Script.h"

#include <string>

namespace corvale::events {

namespace {

struct Inbox {
    Reader reader = Reader::Camp;
    uint64_t end = 0;
    bool lossLogged = false;
    ScriptEvent events[kInboxCapacity];
};

Inbox& TheInbox() {
    static Inbox inbox;
    return inbox;
}

} // namespace

void KeepFrameEvents() {
    Inbox& inbox = TheInbox();
    const int32_t count = EventCount(kScriptEventGroup);
    for (int32_t i = 0; i < count; ++i) {
        if (ReadScriptEvent(i, inbox.reader, inbox.events[inbox.end % kInboxCapacity])) ++inbox.end;
    }
}

void KeepEventsWhileWaiting(Reader reader) {
    TheInbox().reader = reader;
    SetResumeHook(KeepFrameEvents);
}

void StopKeepingEvents() {
    SetResumeHook(nullptr);
}

EventCursor::EventCursor() : next_(KeptEventsEnd()) {}

uint64_t KeptEventsEnd() {
    return TheInbox().end;
}

uint64_t FirstKeptEvent(uint64_t from) {
    Inbox& inbox = TheInbox();
    const uint64_t oldest = inbox.end > kInboxCapacity ? inbox.end - kInboxCapacity : 0;
    if (from >= oldest) return from;
    // A reader kept waiting through more events than the inbox holds: say so once a game.
    if (!inbox.lossLogged)
        Log("script events lost while waiting: " + std::to_string(oldest - from));
    inbox.lossLogged = true;
    return oldest;
}

void CopyKeptEvent(uint64_t index, ScriptEvent& event) {
    event = TheInbox().events[index % kInboxCapacity];
}

} // namespace corvale::events
