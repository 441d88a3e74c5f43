#pragma once
// The game's event queues: script events between scripts (group 1), the AI events
// (group 0) and the game's own events of any type. An event sent during frame N is seen by
// every reader during frame N+1 and then dropped. Sizes count 8-byte script slots.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

struct QueuedEvent {
    uint32_t type = 0;           // game hash of the event type
    std::vector<uint64_t> slots; // the data as sent, size slots
};

// A script event a script sent, kept for expectations and the trace.
struct SentEvent {
    uint64_t frame = 0;
    std::string sender;         // script name, "scenario" for scenario commands
    std::string name;           // the name behind word 0 when it was hashed, else ""
    int32_t size = 0;           // slots
    std::vector<int32_t> words; // the size x 8 bytes sent, as 32-bit words

    int32_t word(size_t n) const { return n < words.size() ? words[n] : 0; }
};

struct EventQueues {
    std::map<int32_t, std::vector<QueuedEvent>> visible; // by group, readable this frame
    std::map<int32_t, std::vector<QueuedEvent>> pending; // by group, readable next frame
    std::vector<SentEvent> sent;                         // every script event sent

    // Queues an event for the next frame.
    void post(int32_t group, QueuedEvent event) { pending[group].push_back(std::move(event)); }
    // At the start of a frame: last frame's events become visible, older ones are dropped.
    void advanceFrame() {
        visible = std::move(pending);
        pending.clear();
    }
    const QueuedEvent* at(int32_t group, int32_t index) const {
        auto it = visible.find(group);
        if (it == visible.end() || index < 0 || static_cast<size_t>(index) >= it->second.size())
            return nullptr;
        return &it->second[static_cast<size_t>(index)];
    }
    int32_t count(int32_t group) const {
        auto it = visible.find(group);
        return it == visible.end() ? 0 : static_cast<int32_t>(it->second.size());
    }
};

} // namespace sim
