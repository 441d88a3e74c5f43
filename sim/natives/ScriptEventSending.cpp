#include "natives/ScriptEventSending.h"

#include "Hash.h"
#include "Simulator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace sim {

namespace {

// Traces show the meaningful words: all of a short event, a long one without its zero tail.
std::string Describe(const SentEvent& e) {
    char id[24];
    std::snprintf(id, sizeof id, "event 0x%08X", static_cast<uint32_t>(e.word(0)));
    std::string text = e.name.empty() ? id : e.name;
    size_t shown = std::min(e.words.size(), static_cast<size_t>(e.size));
    if (shown > 8)
        while (shown > 1 && e.words[shown - 1] == 0)
            --shown;
    for (size_t i = 1; i < shown; ++i)
        text += " " + std::to_string(e.words[i]);
    return text + " (size " + std::to_string(e.size) + ")";
}

} // namespace

uint32_t ScriptEventType() {
    return GameHash("EVENT_NETWORK_SCRIPT_EVENT");
}

void SendScriptEvent(Simulator& sim, int32_t group, const void* data, int32_t size,
                     const std::string& sender) {
    if (size < 0 || (size > 0 && !data)) {
        sim.fault("script event sent with size " + std::to_string(size) +
                  (data ? "" : " from a null buffer"));
        return;
    }
    World& w = sim.world();
    QueuedEvent queued{ScriptEventType(), std::vector<uint64_t>(static_cast<size_t>(size))};
    // The game copies size x 8 bytes from the sender's buffer, whatever the sender meant.
    if (size > 0) std::memcpy(queued.slots.data(), data, queued.slots.size() * sizeof(uint64_t));

    SentEvent sent;
    sent.frame = w.frame;
    sent.sender = sender;
    sent.size = size;
    sent.words.resize(queued.slots.size() * 2);
    if (size > 0) std::memcpy(sent.words.data(), queued.slots.data(), sent.words.size() * 4);
    auto name = w.hashNames.find(static_cast<uint32_t>(sent.word(0)));
    if (name != w.hashNames.end()) sent.name = name->second;
    sim.trace("event sent by " + sender + ": " + Describe(sent));

    w.events.post(group, std::move(queued));
    w.events.sent.push_back(std::move(sent));
}

} // namespace sim
