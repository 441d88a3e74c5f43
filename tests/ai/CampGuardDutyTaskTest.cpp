// A camp guard's patrol in the simulated world: the ring of points round the camp, a walk a
// fight took from him before it started, points without a safe spot, and the end of his shift.
#include "ai/CampGuardDutyTask.h"
#include "Hash.h"
#include "core/natives/Script.h"
#include "core/natives/Tasks.h"
#include "support/ScriptHarness.h"
#include "world/Lifecycle.h"

#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

constexpr uint32_t kGuardModel = 0x2345;
constexpr uint32_t kEnemyModel = 0x3456;
const sim::Vec3 kCamp{100, 200, 0};

// One guard on duty, his task ticked every frame as the camp's guards tick it; between
// ticks the script runs what the test hands it.
class DutyStory {
  public:
    DutyStory() {
        guard = h.world().spawn(sim::EntityKind::Ped, kGuardModel, sim::Vec3{105, 200, 0}, 0);
        h.start([this] {
            task = std::make_unique<CampGuardDutyTask>(guard, Vector3(kCamp.x, kCamp.y, kCamp.z));
            while (task->isRunning()) {
                task->tick();
                if (afterTick) {
                    auto now = std::move(afterTick);
                    afterTick = nullptr;
                    now();
                }
                ScriptWait(0);
            }
        });
    }

    void frames(int n) {
        for (int i = 0; i < n && !h.finished(); ++i)
            h.sim().runFrame();
    }
    void seconds(int s) { frames(s * 1000 / 33 + 1); }
    const sim::PedTask& tasks() { return h.world().pedTasks.of[guard]; }
    // The go-to step of his current walk, or nullptr.
    const sim::TaskStep* walkStep() {
        for (const sim::TaskStep& s : tasks().sequence)
            if (s.kind == sim::TaskKind::GoTo) return &s;
        return nullptr;
    }

    ScriptHarness h;
    int32_t guard = 0;
    std::unique_ptr<CampGuardDutyTask> task;
    std::function<void()> afterTick;
};

float PlanDistance(const sim::Vec3& a, const sim::Vec3& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

TEST(CampGuardDuty, HeWalksTheRingOfFivePointsAndStandsAtEach) {
    DutyStory story;
    story.frames(2);
    const sim::TaskStep* walk = story.walkStep();
    ASSERT_NE(walk, nullptr);
    EXPECT_NEAR(PlanDistance(walk->point, kCamp), 20.0f, 0.01f);
    const int32_t first = (story.task->nextPoint() + 4) % 5;
    EXPECT_FLOAT_EQ(walk->finalHeading, 72.0f * static_cast<float>(first))
        << "he faces outwards, away from the camp";
    ASSERT_EQ(story.tasks().sequence.size(), 3u);
    const sim::TaskStep& stand = story.tasks().sequence[2];
    EXPECT_EQ(stand.kind, sim::TaskKind::Timed);
    EXPECT_GE(stand.durationMs, 25000);
    EXPECT_LT(stand.durationMs, 40000);
    EXPECT_EQ(story.h.world().pools.sequences.inUse.size(), 0u) << "given back once performed";
    EXPECT_EQ(story.task->stage(), CampGuardDutyTask::kWalking);

    // After the walk and the stand he sets off for the next point of the ring.
    const sim::Vec3 firstPoint = walk->point;
    story.seconds(20 + 40 + 1);
    const sim::TaskStep* next = story.walkStep();
    ASSERT_NE(next, nullptr);
    EXPECT_NEAR(PlanDistance(next->point, kCamp), 20.0f, 0.01f);
    EXPECT_NEAR(PlanDistance(next->point, firstPoint), 2 * 20.0f * std::sin(3.14159f / 5), 0.05f)
        << "the neighbouring point";
    EXPECT_TRUE(story.h.sim().faults().empty());
}

// A fight that takes him before his walk has started leaves the walk unstarted for good;
// the patrol picks up again once the fight is over.
TEST(CampGuardDuty, AWalkThatNeverStartsIsHandedOutAgain) {
    DutyStory story;
    const int32_t enemy =
        story.h.world().spawn(sim::EntityKind::Ped, kEnemyModel, sim::Vec3{110, 200, 0}, 0);
    story.afterTick = [&] { TaskCombatPed(story.guard, enemy, 0, 16); };
    story.frames(2);
    ASSERT_EQ(story.task->stage(), CampGuardDutyTask::kHandedOver);
    ASSERT_EQ(story.tasks().sequenceHandle, 0) << "the fight replaced the walk";
    sim::KillEntity(story.h.sim(), enemy, "shot");
    story.seconds(2);
    EXPECT_EQ(story.task->stage(), CampGuardDutyTask::kHandedOver);
    story.seconds(2);
    EXPECT_EQ(story.task->stage(), CampGuardDutyTask::kWalking);
    EXPECT_TRUE(story.tasks().sequenceRunning());
    EXPECT_TRUE(story.h.sim().faults().empty());
}

TEST(CampGuardDuty, PointsWithoutASafeSpotAreSkipped) {
    DutyStory story;
    story.h.world().map.safeCoordsNever = true;
    story.frames(12);
    EXPECT_EQ(story.task->stage(), CampGuardDutyTask::kChoosePoint);
    EXPECT_EQ(story.tasks().sequenceHandle, 0);
    EXPECT_EQ(story.h.world().pools.sequences.inUse.size(), 0u);

    story.h.world().map.safeCoordsNever = false;
    story.frames(3);
    EXPECT_TRUE(story.tasks().sequenceRunning());
    EXPECT_TRUE(story.h.sim().faults().empty());
}

// Six game hours on the clock end the duty, but only once his current walk is over.
TEST(CampGuardDuty, TheShiftEndsAfterSixGameHoursAtTheEndOfAWalk) {
    DutyStory story;
    story.frames(3);
    ASSERT_EQ(story.task->stage(), CampGuardDutyTask::kWalking);
    sim::World& w = story.h.world();
    w.clock.set(w.clock.seconds(w.gameTimer) + 6 * 3600, w.gameTimer);
    story.frames(2);
    EXPECT_FALSE(story.h.finished()) << "still on his walk";
    story.seconds(20 + 40 + 1);
    EXPECT_TRUE(story.h.finished());
    EXPECT_EQ(story.h.world().pools.sequences.inUse.size(), 0u);
}

TEST(CampGuardDuty, ADeadGuardsDutyIsOver) {
    DutyStory story;
    story.frames(3);
    sim::KillEntity(story.h.sim(), story.guard, "shot");
    story.frames(2);
    EXPECT_TRUE(story.h.finished());
}
