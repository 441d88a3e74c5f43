// The event queues: script events sent and read by scripts, game events of other types.
#include "natives/Events.h"

#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

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

void GetEventData(Call& c) {
    const QueuedEvent* e = c.w.events.at(c.i(0), c.i(1));
    if (!e) return c.r.setBool(false);
    const int32_t capacity = std::max(c.i(3), 0);
    const size_t slots = std::min(e->slots.size(), static_cast<size_t>(capacity));
    auto* out = c.p<uint8_t>(2);
    if (slots > 0 && !out) {
        c.sim.fault("event data read into a null buffer");
        return c.r.setBool(false);
    }
    // Only min(sent, capacity) slots are written; the rest of the caller's buffer stays.
    if (slots > 0) std::memcpy(out, e->slots.data(), slots * sizeof(uint64_t));
    c.r.setBool(true);
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

void RegisterScriptEventNatives(NativeTable& t) {
    t.add(0x5ae99c571d5bbe5d, "TRIGGER_SCRIPT_EVENT", "int,Any*,int,int,int*", [](Call& c) {
        const std::string sender = c.sim.runningScript();
        SendScriptEvent(c.sim, c.i(0), c.p<const void>(1), c.i(2),
                        sender.empty() ? "(no script)" : sender);
    });
    t.add(0x5ce8de5909565748, "GET_NUMBER_OF_EVENTS", "int",
          [](Call& c) { c.r.setInt(c.w.events.count(c.i(0))); });
    t.add(0xa85e614430eff816, "GET_EVENT_AT_INDEX", "int,int", [](Call& c) {
        const QueuedEvent* e = c.w.events.at(c.i(0), c.i(1));
        c.r.setU32(e ? e->type : 0);
    });
    t.add(0x57ec5fa4d4d6afca, "GET_EVENT_DATA", "int,int,Any*,int", GetEventData);
}

} // namespace sim
