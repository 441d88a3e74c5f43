// Linux: each script runs on a thread of its own with strict hand-off through two
// semaphores.
#include "ScriptFlow.h"

#include <chrono>
#include <semaphore>
#include <thread>
#include <vector>

namespace sim {

struct ScriptFlow {
    std::function<void()> body;
    std::binary_semaphore resumeSignal{0};
    std::binary_semaphore yieldSignal{0};
    bool started = false;
};

namespace {
constexpr auto kYieldTimeout = std::chrono::seconds(60);

// Every flow lives as long as the process (see DropFlow): held here, never destroyed, so that
// neither a blocked thread nor the leak checker finds it gone.
std::vector<ScriptFlow*>& KeptFlows() {
    static auto* kept = new std::vector<ScriptFlow*>;
    return *kept;
}
} // namespace

ScriptFlow* NewScriptFlow(std::function<void()> body) {
    auto* flow = new ScriptFlow;
    flow->body = std::move(body);
    KeptFlows().push_back(flow);
    return flow;
}

bool ResumeFlow(ScriptFlow* flow) {
    if (!flow->started) {
        flow->started = true;
        std::thread([flow] {
            flow->resumeSignal.acquire();
            flow->body();
            flow->yieldSignal.release();
        }).detach();
    }
    flow->resumeSignal.release();
    return flow->yieldSignal.try_acquire_for(kYieldTimeout);
}

void YieldFlow(ScriptFlow* flow) {
    flow->yieldSignal.release();
    flow->resumeSignal.acquire();
}

// A script that never returns stays blocked in its last wait for the life of the process:
// its flow is kept so the blocked thread never touches freed memory.
void DropFlow(ScriptFlow*) {}

uint64_t SliceClockNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
}

void UtcTime(int64_t calendar, std::tm* out) {
    const std::time_t t = static_cast<std::time_t>(calendar);
    gmtime_r(&t, out);
}

} // namespace sim
