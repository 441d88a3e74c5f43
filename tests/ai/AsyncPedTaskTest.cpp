// Guards' check tasks handed to peds who cannot take them: nobody is tasked, and the owner
// sees the task finished at once.
#include "ai/CheckShockingNoiseTask.h"
#include "ai/CheckSuspiciousEventTask.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

uint64_t AllCalls(ScriptHarness& h) {
    uint64_t calls = 0;
    for (const auto& [hash, entry] : h.sim().figures().census())
        calls += entry.calls;
    return calls;
}

TEST(CheckTask, PedZeroIsHandedNothingAndHisTaskIsFinished) {
    ScriptHarness h;
    bool noiseFinished = false, eventFinished = false;
    h.start([&] {
        noiseFinished = CheckShockingNoiseTask(0, Vector3(10, 0, 0)).isFinished();
        eventFinished = CheckSuspiciousEventTask(0, Vector3(10, 0, 0)).isFinished();
    });
    h.runUntilFinished(5);
    EXPECT_TRUE(noiseFinished);
    EXPECT_TRUE(eventFinished);
    EXPECT_EQ(AllCalls(h), 0u);
    EXPECT_TRUE(h.sim().faults().empty());
}

// The game's death test answers false for a ped that no longer exists.
TEST(CheckTask, AGuardWhoWasDeletedHasFinishedAndIsNotTasked) {
    ScriptHarness h;
    const int32_t guard = h.world().spawn(sim::EntityKind::Ped, 1, sim::Vec3{0, 0, 0}, 0);
    h.world().entities.erase(guard);
    bool finished = false, running = true;
    h.start([&] {
        CheckSuspiciousEventTask task(guard, Vector3(0, 40, 0));
        finished = task.isFinished();
        running = task.isRunning();
    });
    h.runUntilFinished(5);
    EXPECT_TRUE(finished);
    EXPECT_FALSE(running);
    EXPECT_TRUE(h.sim().faults().empty());
}

} // namespace
