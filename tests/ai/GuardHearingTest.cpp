// What a rival guard hears and finds with the player out of sight: shots within and beyond
// his hearing, whistles, a second noise elsewhere, bodies; and what his searches give back.
#include "GuardStory.h"

#include "ai/LookAroundSequence.h"

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

bool PerformsSequence(GuardStory& story, int32_t ped) {
    auto it = story.world().pedTasks.of.find(ped);
    return it != story.world().pedTasks.of.end() && it->second.sequenceHandle != 0;
}

// Full wind: the guards hear a shot to 36 m; the AI events reach everyone within 50 m.
TEST(GuardHearing, AShotWithinHearingSendsAGuardToLookAndOneBeyondItIsIgnored) {
    GuardStory story;
    story.world().wind = 100;
    story.wall(80, 110, 120, 110);
    story.playerAt({100, 100, 0});
    const int32_t near = story.spawn({100, 130, 0});
    const int32_t far = story.spawn({100, 145, 0});
    story.begin();
    story.aiEvent("EVENT_SHOT_FIRED", story.player);
    story.frames(3);
    EXPECT_EQ(story.mode(0), GuardMode::Investigating);
    EXPECT_TRUE(PerformsSequence(story, near));
    EXPECT_EQ(story.guard(0).lastPoint().y, 100.0f);
    EXPECT_EQ(story.mode(1), GuardMode::Calm);
    EXPECT_FALSE(PerformsSequence(story, far));
    // Every sequence went back to the game the moment it was handed over.
    EXPECT_EQ(story.world().pools.sequences.inUse.size(), 0u);

    // A bullet whizzing by is heard at any distance.
    story.aiEvent("EVENT_SHOT_FIRED_WHIZZED_BY", story.player);
    story.frames(3);
    EXPECT_EQ(story.mode(1), GuardMode::Investigating);
}

TEST(GuardHearing, TheSearchBringsHimBackOnWatchAndLeavesNoSequenceBehind) {
    GuardStory story;
    story.wall(80, 110, 120, 110);
    story.playerAt({100, 100, 0});
    const int32_t guard = story.spawn({100, 125, 0});
    story.begin();
    story.aiEvent("EVENT_SHOT_FIRED", story.player);
    story.frames(3);
    ASSERT_NE(story.guard(0).task(), nullptr);
    ASSERT_EQ(story.world().pedTasks.scenario(guard), 0u);
    story.playerAt({100, -300, 0}); // gone before he gets there
    const uint32_t scout = sim::GameHash("WORLD_HUMAN_GUARD_SCOUT");
    int frames = 0;
    while (story.world().pedTasks.scenario(guard) != scout && frames < 6000) {
        story.frames(1);
        ++frames;
        ASSERT_EQ(story.world().pools.sequences.inUse.size(), 0u) << frames;
    }
    EXPECT_LT(frames, 6000);
    EXPECT_EQ(story.mode(0), GuardMode::Investigating); // the mode stays
    // Back where he stood, keeping watch.
    const sim::Vec3 at = story.world().entities.at(guard).position;
    EXPECT_NEAR(at.y, 125.0f, 0.01f);
    EXPECT_NEAR(at.x, 100.0f, 0.01f);
}

TEST(GuardHearing, APlainWhistleMakesACalmGuardSuspiciousAndTheHorseWhistleDoesNot) {
    GuardStory story;
    story.wall(80, 105, 120, 105);
    story.playerAt({100, 100, 0});
    story.spawn({100, 110, 0}); // 10 m: within the noise range of 12 m
    story.begin();
    story.whistle("WHISTLEHORSELONG");
    story.frames(5);
    EXPECT_EQ(story.mode(0), GuardMode::Calm);
    story.whistle("WHISTLENORMAL");
    story.frames(3);
    EXPECT_EQ(story.mode(0), GuardMode::Suspicious);
    EXPECT_EQ(story.guard(0).lastPoint().x, 100.0f);
}

TEST(GuardHearing, AWhistleBeyondTheNoiseRangeIsNotHeard) {
    GuardStory story;
    story.wall(80, 105, 120, 105);
    story.playerAt({100, 100, 0});
    story.spawn({100, 113, 0});
    story.begin();
    story.whistle("WHISTLENORMAL");
    story.frames(5);
    EXPECT_EQ(story.mode(0), GuardMode::Calm);
}

TEST(GuardHearing, ASecondSuspiciousPointMoreThanTwoMetresAwayMakesHimInvestigate) {
    GuardStory story;
    story.wall(80, 105, 120, 105);
    story.playerAt({100, 100, 0});
    story.spawn({100, 110, 0});
    story.begin();
    story.whistle("WHISTLENORMAL");
    story.frames(3);
    ASSERT_EQ(story.mode(0), GuardMode::Suspicious);
    // The whistle is still on his mind as the player moves: 1.5 m is the same spot...
    story.playerAt({101.5f, 100, 0});
    story.frames(2);
    EXPECT_EQ(story.mode(0), GuardMode::Suspicious);
    // ...2.5 m from the first is another.
    story.playerAt({102.5f, 100, 0});
    story.frames(4); // handing him the check takes 50 ms
    EXPECT_EQ(story.mode(0), GuardMode::Investigating);
    EXPECT_EQ(story.guard(0).lastPoint().x, 102.5f);
}

TEST(GuardHearing, ABodyWithinFiveMetresIsDiscoveredOnceAndExclaimedAboutOnce) {
    GuardStory story;
    story.playerAt({0, 0, 0});
    const int32_t guard = story.spawn({100, 100, 0});
    const int32_t body = story.spawn({103, 100, 0});
    const int32_t second = story.spawn({96, 100, 0});
    sim::KillEntity(story.harness().sim(), body, "shot");
    story.begin();
    story.aiEvent("EVENT_SHOCKING_DEAD_BODY", body);
    story.frames(40); // the event stays on his mind a while
    EXPECT_EQ(story.mode(0), GuardMode::Investigating);
    EXPECT_EQ(story.world().developer.decorations.at({body, "SH_AI_DiscoveredBody"}), 1);
    EXPECT_EQ(story.linesSaidBy(guard), 1u);
    EXPECT_EQ(story.guard(0).lastPoint().x, 103.0f);

    // A second body found while he searches: noted, but no second exclamation.
    sim::KillEntity(story.harness().sim(), second, "shot");
    story.aiEvent("EVENT_SHOCKING_DEAD_BODY", second);
    story.frames(40);
    EXPECT_EQ(story.world().developer.decorations.at({second, "SH_AI_DiscoveredBody"}), 1);
    EXPECT_EQ(story.guard(0).lastPoint().x, 96.0f);
    EXPECT_EQ(story.linesSaidBy(guard), 1u);
}

TEST(GuardHearing, AGuardLookingAroundASpotAtHisFeetDoesNotWalkBehindHimself) {
    GuardStory story;
    const int32_t guard = story.spawn({100, 100, 0});
    story.begin();
    auto steps = [&] { return story.world().pedTasks.of.at(guard).sequence; };
    story.inScript([&] { RunLookAround(guard, Vector3(101, 100, 0), 4); });
    // Swap weapon, then straight to facing the spot.
    ASSERT_GT(steps().size(), 2u);
    EXPECT_EQ(steps()[1].kind, sim::TaskKind::Instant);
    story.inScript([&] { RunLookAround(guard, Vector3(110, 100, 0), 4); });
    ASSERT_EQ(steps()[1].kind, sim::TaskKind::GoTo);
    EXPECT_NEAR(steps()[1].point.x, 108.5f, 1e-3f);
    EXPECT_EQ(story.world().pools.sequences.inUse.size(), 0u);
}

} // namespace
