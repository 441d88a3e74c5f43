// The player putting herbs into the still, played out in the simulated world: he walks to
// the still and the task finishes when his animation is over; it is cancelled, and never
// hangs, when the animation is missing, when his walk is interrupted or when the still is
// never reached in 30 s.
#include "Hash.h"
#include "ai/PutHerbsInStillTask.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"
#include "world/Geometry.h"
#include "world/Lifecycle.h"

#include <gtest/gtest.h>

#include <memory>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

constexpr const char* kDictionary = "script_re@moonshine_camp@player_put_in_herbs";

class HerbsStory {
  public:
    HerbsStory() {
        h.captureLog();
        still = h.world().spawn(sim::EntityKind::Object, sim::GameHash("P_STILL02X"),
                                sim::Vec3{0, 10, 0}, 0.0f);
        player = h.world().player.ped;
    }

    void give() {
        h.start([this] {
            PutHerbsInStillTask task(player, still, false, debug);
            while (task.isRunning()) {
                task.tick();
                ScriptWait(0);
            }
            finished = task.isFinished();
            cancelled = task.isCancelled();
        });
    }
    void play(int limit) {
        for (int i = 0; i < limit && !h.finished(); ++i)
            h.sim().runFrame();
    }
    bool logged(const std::string& text) const {
        for (const std::string& line : h.logLines())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }

    ScriptHarness h;
    DebugTools debug;
    int32_t still = 0;
    int32_t player = 0;
    bool finished = false;
    bool cancelled = false;
};

TEST(PutHerbsInStillTask, ThePlayerWalksToTheStillPlaysTheAnimationAndIsDone) {
    HerbsStory story;
    story.give();
    story.play(30 * 30);
    ASSERT_TRUE(story.h.finished());
    EXPECT_TRUE(story.finished);
    const sim::Entity* still = story.h.world().entity(story.still);
    const sim::Entity* player = story.h.world().entity(story.player);
    EXPECT_LT(sim::Distance(player->position, still->position), 1.0f);
    EXPECT_EQ(story.h.world().entityStates.of[story.still].animDict, kDictionary);
    EXPECT_EQ(story.h.world().entityStates.of[story.still].anim, "put_in_still_still");
    EXPECT_TRUE(story.h.world().pools.sequences.inUse.empty()) << "the sequence goes back";
    EXPECT_TRUE(story.h.sim().faults().empty());
}

TEST(PutHerbsInStillTask, WithoutTheAnimationTheWalkEndsAndTheTaskIsCancelled) {
    HerbsStory story;
    story.h.world().streaming.missing.insert(sim::GameHash(kDictionary));
    story.give();
    story.play(30 * 30);
    ASSERT_TRUE(story.h.finished()) << "it must not wait for a progress that never comes";
    EXPECT_FALSE(story.finished);
    EXPECT_TRUE(story.cancelled);
    EXPECT_TRUE(story.logged("PutHerbsInStillTask: cancelled, the walk ended before the herbs"));
}

TEST(PutHerbsInStillTask, AnInterruptedWalkCancelsIt) {
    HerbsStory story;
    story.give();
    story.play(20);
    ASSERT_FALSE(story.h.finished());
    sim::EndTasks(story.h.sim(), story.player, "interrupted");
    story.play(10);
    ASSERT_TRUE(story.h.finished());
    EXPECT_TRUE(story.cancelled);
    EXPECT_FALSE(story.finished);
}

TEST(PutHerbsInStillTask, AStillNeverReachedGivesUpAfterThirtySeconds) {
    HerbsStory story;
    // Far beyond the 10 s walk and the limit: the walk runs on, the task does not.
    story.h.world().entity(story.still)->position = sim::Vec3{0, 500, 0};
    story.give();
    story.play(29 * 30);
    EXPECT_FALSE(story.h.finished());
    story.play(3 * 30);
    ASSERT_TRUE(story.h.finished());
    EXPECT_TRUE(story.cancelled);
    EXPECT_TRUE(story.logged("PutHerbsInStillTask: cancelled, not done within 30 s"));
}

TEST(PutHerbsInStillTask, AStillThatIsGoneCancelsItAtOnce) {
    HerbsStory story;
    story.h.world().entities.erase(story.still);
    story.give();
    story.play(3);
    ASSERT_TRUE(story.h.finished());
    EXPECT_TRUE(story.cancelled);
}

} // namespace
