// The event queues: script events sent and read by scripts, game events of other types.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/ScriptEventSending.h"

#include <algorithm>
#include <cstring>

namespace sim {

namespace {

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
