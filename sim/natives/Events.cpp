// The script event queue: sent during one frame, read by every reader during the next.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

#include <cstring>

namespace sim {

namespace {

const ScriptEvent* Queued(Simulator& sim, int32_t group, int32_t index) {
    int32_t n = 0;
    for (const ScriptEvent& e : sim.world().scriptEvents.queued) {
        if (e.group != group) continue;
        if (n++ == index) return &e;
    }
    return nullptr;
}

} // namespace

void RegisterEventNatives(NativeTable& t) {
    t.add(0x5ce8de5909565748, "GET_NUMBER_OF_EVENTS", "int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              int32_t n = 0;
              for (const ScriptEvent& e : sim.world().scriptEvents.queued) n += e.group == a.i(0);
              r.setInt(n);
          });
    t.add(0xa85e614430eff816, "GET_EVENT_AT_INDEX", "int,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const ScriptEvent* e = Queued(sim, a.i(0), a.i(1));
              r.setU32(e ? e->type : 0);
          });
    // Copies min(sent size, capacity) slots and leaves the rest of the buffer as it was.
    t.add(0x57ec5fa4d4d6afca, "GET_EVENT_DATA", "int,int,Any*,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const ScriptEvent* e = Queued(sim, a.i(0), a.i(1));
              if (!e || !a.raw(2) || a.i(3) <= 0) return r.setBool(false);
              const size_t slots = std::min(e->data.size(), static_cast<size_t>(a.i(3)));
              std::memcpy(a.p<void>(2), e->data.data(), slots * 8);
              r.setBool(true);
          });
    t.add(0x5ae99c571d5bbe5d, "TRIGGER_SCRIPT_EVENT", "int,Any*,int,int,int*",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              if (!a.raw(1) || a.i(2) <= 0 || a.i(2) > 1000)
                  return sim.fault("script event with no payload or a bad size");
              ScriptEvent e;
              e.group = a.i(0);
              e.type = GameHash("EVENT_NETWORK_SCRIPT_EVENT");
              e.data.resize(static_cast<size_t>(a.i(2)));
              std::memcpy(e.data.data(), a.p<void>(1), e.data.size() * 8);
              e.sender = sim.runningScript();
              e.frame = w.frame;
              auto it = w.hashNames.find(static_cast<uint32_t>(e.data[0]));
              sim.trace("event sent by " + e.sender + ": " +
                        (it != w.hashNames.end() ? it->second : std::to_string(e.data[0] & 0xffffffffu)));
              w.scriptEvents.pending.push_back(e);
              w.scriptEvents.sent.push_back(std::move(e));
          });
}

} // namespace sim
