// Task sequences: opened, recorded from the tasks given to ped 0, closed, performed by a ped
// (which copies them), cleared to give the handle back; how far a ped is through one.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "world/Lifecycle.h"

namespace sim {

namespace {

std::string Handle(int32_t h) {
    return "#" + std::to_string(h);
}

void Open(Call& c) {
    int32_t* out = c.p<int32_t>(0);
    if (!out) return c.fault("null handle pointer");
    Sequences& seqs = c.w.pools.sequences;
    if (seqs.recording) c.fault("sequence " + Handle(seqs.recording) + " is still open");
    if (seqs.inUse.size() >= kPoolCapacity) {
        ++c.w.pools.refused;
        c.trace("open sequence refused: all " + std::to_string(kPoolCapacity) + " in use");
        *out = 0;
        seqs.recording = 0;
        return;
    }
    const int32_t handle = seqs.nextHandle++;
    seqs.inUse[handle] = TaskSequence{};
    seqs.recording = handle;
    *out = handle;
}

void Close(Call& c) {
    Sequences& seqs = c.w.pools.sequences;
    auto it = seqs.inUse.find(c.i(0));
    if (it == seqs.inUse.end()) return c.trace("close of unknown sequence " + Handle(c.i(0)));
    it->second.closed = true;
    if (seqs.recording == c.i(0)) seqs.recording = 0;
}

void Perform(Call& c) {
    Sequences& seqs = c.w.pools.sequences;
    Entity* e = c.ped(0);
    if (!e) return;
    auto it = seqs.inUse.find(c.i(1));
    if (it == seqs.inUse.end()) return c.trace("perform of unknown sequence " + Handle(c.i(1)));
    if (!it->second.closed) c.fault("sequence " + Handle(c.i(1)) + " performed before closing");
    if (!e->alive) return c.trace(Handle(c.i(0)) + " is dead: sequence ignored");
    PedTask& t = c.w.pedTasks.of[c.i(0)];
    t.direct = TaskStep{};
    t.scenario = 0;
    t.sequence = it->second.steps;
    t.sequenceHandle = c.i(1);
    t.sequenceStarted = false;
    t.progress = -1;
    std::string to;
    for (const TaskStep& step : t.sequence)
        if (step.kind == TaskKind::GoTo) to += " to " + Describe(step.point);
    c.trace(Handle(c.i(0)) + " performs sequence " + Handle(c.i(1)) + " of " +
            std::to_string(t.sequence.size()) + " steps" + to);
}

void Clear(Call& c) {
    int32_t* handle = c.p<int32_t>(0);
    if (!handle) return c.fault("null handle pointer");
    Sequences& seqs = c.w.pools.sequences;
    if (seqs.inUse.erase(*handle)) {
        c.trace("sequence " + Handle(*handle) + " cleared");
        if (seqs.recording == *handle) seqs.recording = 0;
    } else {
        c.trace("clear of unknown sequence " + Handle(*handle));
    }
    *handle = 0;
}

} // namespace

void RegisterSequenceNatives(NativeTable& t) {
    t.add(0xe8854a4326b9e12b, "OPEN_SEQUENCE_TASK", "int*", Open);
    t.add(0x39e72bc99e6360cb, "CLOSE_SEQUENCE_TASK", "int", Close);
    t.add(0x5aba3986d90d8a3b, "TASK_PERFORM_SEQUENCE", "Ped,int", Perform);
    t.add(0x3841422e9c488d8c, "CLEAR_SEQUENCE_TASK", "int*", Clear);
    t.add(0x00a9010cfe1e3533, "GET_SEQUENCE_PROGRESS", "Ped", [](Call& c) {
        auto it = c.w.pedTasks.of.find(c.i(0));
        c.r.setInt(it == c.w.pedTasks.of.end() || !it->second.sequenceHandle ? -1
                                                                             : it->second.progress);
    });
}

} // namespace sim
