// Windows: each script is a fiber of the simulator's thread, as in the game.
#include "ScriptFlow.h"

#include <windows.h>

namespace sim {

struct ScriptFlow {
    std::function<void()> body;
    void* fiber = nullptr;
    void* caller = nullptr; // the simulator's fiber, where a yield goes back to
    bool finished = false;
};

namespace {

// As much stack as a Linux script thread has.
constexpr SIZE_T kStackReserve = 8 * 1024 * 1024;

void WINAPI RunFlow(void* param) {
    auto* flow = static_cast<ScriptFlow*>(param);
    flow->body();
    flow->finished = true;
    // A fiber must never return: a finished one only ever switches back.
    for (;;)
        SwitchToFiber(flow->caller);
}

void* SimulatorFiber() {
    static void* const fiber = [] {
        void* f = ConvertThreadToFiber(nullptr);
        return f ? f : GetCurrentFiber();
    }();
    return fiber;
}

} // namespace

ScriptFlow* NewScriptFlow(std::function<void()> body) {
    auto* flow = new ScriptFlow;
    flow->body = std::move(body);
    return flow;
}

// A hung script hangs the process here: the test's time limit reports it.
bool ResumeFlow(ScriptFlow* flow) {
    flow->caller = SimulatorFiber();
    if (!flow->fiber) flow->fiber = CreateFiberEx(64 * 1024, kStackReserve, 0, RunFlow, flow);
    if (!flow->fiber || flow->finished) return true;
    SwitchToFiber(flow->fiber);
    return true;
}

void YieldFlow(ScriptFlow* flow) {
    SwitchToFiber(flow->caller);
}

void DropFlow(ScriptFlow* flow) {
    if (flow->fiber) DeleteFiber(flow->fiber);
    delete flow;
}

// The slice's wall time: thread times under Wine cost a system call each and tick coarsely.
uint64_t SliceClockNs() {
    static const int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const int64_t ticks = now.QuadPart;
    return static_cast<uint64_t>(ticks / frequency) * 1000000000ull +
           static_cast<uint64_t>((ticks % frequency) * 1000000000ll / frequency);
}

void UtcTime(int64_t calendar, std::tm* out) {
    const __time64_t t = calendar;
    _gmtime64_s(out, &t);
}

} // namespace sim
