// Guards checking a noise or something odd, played out in the simulated world: how far they
// go, where they look, what they say and how they get back; the sequence goes back to the game.
#include "Hash.h"
#include "ai/CheckShockingNoiseTask.h"
#include "ai/CheckSuspiciousEventTask.h"
#include "core/natives/Script.h"
#include "core/natives/Tasks.h"
#include "support/ScriptHarness.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

constexpr uint32_t kGuardModel = 0x1234;

float Between(const sim::Vec3& a, const sim::Vec3& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// One guard and the task his owner polls every frame until it stops running.
class CheckStory {
  public:
    CheckStory() {
        guard = h.world().spawn(sim::EntityKind::Ped, kGuardModel, sim::Vec3{0, 0, 0}, 30.0f);
    }

    // post: the scenario point he works at first, -1 for none.
    template <class Task> void give(Vector3 point, int32_t post = -1) {
        h.start([this, point, post] {
            if (post != -1) {
                TaskUseScenarioPoint(guard, post, nullptr, -1, true, false, 0, false, -1.0f,
                                     false);
                ScriptWait(0);
            }
            Task task(guard, point);
            handedOver = true;
            while (task.isRunning()) {
                task.tick();
                ScriptWait(0);
            }
        });
    }
    // Runs frames until the task ended or the limit; tracks how near the guard came.
    void play(const sim::Vec3& point, int limit = 3000) {
        for (int i = 0; i < limit && !h.finished(); ++i) {
            h.sim().runFrame();
            if (const sim::Entity* e = h.world().entity(guard))
                nearest = std::min(nearest, Between(e->position, point));
            if (handedOver) sequencesAfterHandOver = std::max(
                sequencesAfterHandOver, h.world().pools.sequences.inUse.size());
        }
    }
    int said(const std::string& line) {
        return static_cast<int>(std::count_if(
            h.world().peds.said.begin(), h.world().peds.said.end(),
            [&](const auto& s) { return s.ped == guard && s.line == line; }));
    }

    ScriptHarness h;
    int32_t guard = 0;
    bool handedOver = false;
    float nearest = 1e9f;
    size_t sequencesAfterHandOver = 0;
};

TEST(CheckShockingNoise, ANoiseFortyMetresAwayBringsTheGuardFifteenMetresCloserAndBack) {
    CheckStory story;
    story.give<CheckShockingNoiseTask>(Vector3(0, 40, 0));
    story.play(sim::Vec3{0, 40, 0});
    ASSERT_TRUE(story.h.finished());
    EXPECT_NEAR(story.nearest, 25.0f, 0.5f);
    const sim::Entity* guard = story.h.world().entity(story.guard);
    EXPECT_LT(Between(guard->position, sim::Vec3{0, 0, 0}), 0.5f);
    EXPECT_NEAR(guard->heading, 30.0f, 0.01f);
    EXPECT_EQ(story.said("WHOA_ESCALATED") + story.said("GENERIC_SHOCKED_HIGH"), 1);
    EXPECT_EQ(story.sequencesAfterHandOver, 0u);
    EXPECT_TRUE(story.h.sim().faults().empty());
}

TEST(CheckSuspiciousEvent, AnEventFortyMetresAwayBringsTheGuardThirtyFourMetresCloser) {
    CheckStory story;
    story.give<CheckSuspiciousEventTask>(Vector3(40, 0, 0));
    story.play(sim::Vec3{40, 0, 0});
    ASSERT_TRUE(story.h.finished());
    EXPECT_NEAR(story.nearest, 6.0f, 0.5f);
    EXPECT_EQ(story.said("SEARCHING_FOUND_NOTHING"), 1);
    EXPECT_EQ(story.said("WHAT_IS_THAT") + story.said("WHAT_WAS_THAT"), 1);
    const sim::Entity* guard = story.h.world().entity(story.guard);
    EXPECT_LT(Between(guard->position, sim::Vec3{0, 0, 0}), 0.5f);
    EXPECT_NEAR(guard->heading, 30.0f, 0.01f);
    EXPECT_EQ(story.sequencesAfterHandOver, 0u);
    EXPECT_TRUE(story.h.sim().faults().empty());
}

// A scenario point is worked at for good, so he is still at it when the frames run out.
TEST(CheckShockingNoise, AGuardWithAScenarioPointGoesBackToIt) {
    CheckStory story;
    story.give<CheckShockingNoiseTask>(Vector3(0, 40, 0), 77);
    story.play(sim::Vec3{0, 40, 0}, 1500);
    EXPECT_NEAR(story.nearest, 25.0f, 0.5f);
    const sim::TaskStep* now = story.h.world().pedTasks.current(story.guard);
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(now->scriptTask, sim::GameHash("SCRIPT_TASK_USE_SCENARIO_POINT"));
    EXPECT_EQ(now->scenario, 77u);
    EXPECT_EQ(story.sequencesAfterHandOver, 0u);
}

TEST(CheckSuspiciousEvent, AGuardWhoDiesOnHisWayHasFinished) {
    CheckStory story;
    story.give<CheckSuspiciousEventTask>(Vector3(40, 0, 0));
    story.play(sim::Vec3{40, 0, 0}, 40);
    ASSERT_FALSE(story.h.finished());
    story.h.world().entity(story.guard)->alive = false;
    story.play(sim::Vec3{40, 0, 0}, 3);
    EXPECT_TRUE(story.h.finished());
    EXPECT_EQ(story.said("SEARCHING_FOUND_NOTHING"), 0);
}

TEST(CheckSuspiciousEvent, AGuardWhoIsDeletedOnHisWayHasFinished) {
    CheckStory story;
    story.give<CheckSuspiciousEventTask>(Vector3(40, 0, 0));
    story.play(sim::Vec3{40, 0, 0}, 40);
    ASSERT_FALSE(story.h.finished());
    story.h.world().entities.erase(story.guard);
    story.play(sim::Vec3{40, 0, 0}, 3);
    EXPECT_TRUE(story.h.finished());
    EXPECT_TRUE(story.h.sim().faults().empty());
}

} // namespace
