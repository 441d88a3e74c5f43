#include "natives/TaskGiving.h"

#include "Simulator.h"
#include "world/Lifecycle.h"

namespace sim {

void GiveTask(Call& c, const TaskStep& step) {
    World& w = c.w;
    const int32_t ped = c.i(0);
    Sequences& seqs = w.pools.sequences;
    if (ped == 0 && seqs.recording != 0) {
        seqs.inUse[seqs.recording].steps.push_back(step);
        return;
    }
    if (ped == 0) return c.fault("task given to ped 0 with no sequence open");
    Entity* e = c.ped(0);
    if (!e) return;
    if (!e->alive) return c.trace("#" + std::to_string(ped) + " is dead: " + c.name + " ignored");
    PedTask& t = w.pedTasks.of[ped];
    if (t.sequenceHandle) {
        t.sequence.clear();
        t.sequenceHandle = 0;
        t.sequenceStarted = false;
        t.progress = -1;
    }
    // A scenario in place starts at once; one at a point once the ped is there.
    t.scenario = step.kind == TaskKind::Scenario && !step.hasPoint ? step.scenario : 0;
    t.direct = step;
    c.trace("#" + std::to_string(ped) + " task: " + DescribeTask(step));
}

} // namespace sim
