#pragma once
// The game's script event queue: an event sent during frame N is read during frame N+1.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct ScriptEvent {
    int32_t group = 1;
    uint32_t type = 0;          // the game's event type (a script event for scripts)
    std::vector<uint64_t> data; // size x 8 bytes, as sent
    std::string sender;         // "camp", "business" or "scenario"
    uint64_t frame = 0;         // the frame it was sent in
};

struct ScriptEvents {
    std::vector<ScriptEvent> queued;  // readable this frame
    std::vector<ScriptEvent> pending; // sent this frame, readable the next
    std::vector<ScriptEvent> sent;    // everything the plug-ins sent, for expectations
};

} // namespace sim
