// What a rival guard sees of the player: his sight range in the day and at night, a crouched
// player at the edge of it, walls, alertness that builds and fades, and a fight that lasts.
#include "GuardStory.h"

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

float SeeingRange(GuardStory& story, int32_t guard) {
    return story.world().peds.state.at(guard).seeingRange;
}

void SetHour(GuardStory& story, int hour) {
    story.world().clock.setHour(hour, story.world().gameTimer);
}

TEST(GuardSight, OnAStillDryDayAStandingPlayerIsSeenToExactlyTheSightRange) {
    GuardStory story;
    story.playerAt({100, 140, 0});
    const int32_t guard = story.spawn({100, 100, 0});
    story.begin();
    EXPECT_EQ(SeeingRange(story, guard), 30.0f); // "guard.sight_range"
    for (int hour : {21, 5}) {
        SetHour(story, hour);
        story.frames(1);
        EXPECT_EQ(SeeingRange(story, guard), 15.0f) << hour << ":00 is night";
    }
    for (int hour : {6, 20}) {
        SetHour(story, hour);
        story.frames(1);
        EXPECT_EQ(SeeingRange(story, guard), 30.0f) << hour << ":00 is day";
    }
}

TEST(GuardSight, ACrouchedPlayerAtNightIsEngagedOnlyInsideTheReducedRange) {
    GuardStory story;
    story.world().player.crouching = true;
    SetHour(story, 22);
    story.playerAt({100, 107.6f, 0}); // night and crouch leave 7.5 m
    story.spawn({100, 100, 0});
    story.begin();
    story.frames(300);
    EXPECT_EQ(story.mode(0), GuardMode::Calm);
    EXPECT_EQ(story.guard(0).alertness(), 0.0f);

    story.playerAt({100, 107, 0}); // a step inside
    const int frames = story.framesUntilCombat(0, 100);
    EXPECT_GE(frames, 11);
    EXPECT_LE(frames, 13);
}

TEST(GuardSight, InDaylightAFreshGuardEngagesACrouchedPlayerAtThatDistance) {
    GuardStory story;
    story.world().player.crouching = true;
    story.playerAt({100, 107.6f, 0});
    story.spawn({100, 100, 0});
    story.begin();
    EXPECT_GT(story.framesUntilCombat(0, 100), 0);
}

TEST(GuardSight, AWallBetweenThemHidesThePlayerAtAnyDistance) {
    for (float away : {2.0f, 10.0f, 25.0f}) {
        GuardStory story;
        story.wall(90, 101, 110, 101);
        story.playerAt({100, 100 + away + 1, 0});
        story.spawn({100, 100, 0});
        story.begin();
        story.frames(200);
        EXPECT_EQ(story.mode(0), GuardMode::Calm) << away;
        EXPECT_EQ(story.guard(0).alertness(), 0.0f) << away;
    }
}

TEST(GuardSight, LosingSightLowersAlertnessByTenTimesTheFrameTimeDownToZero) {
    GuardStory story;
    story.playerAt({100, 110, 0}); // 10 m: a fifth of the full rate
    story.spawn({100, 100, 0});
    story.begin();
    const float perFrame = 1.5f * 0.033f * 25.0f * 0.2f;
    EXPECT_NEAR(story.guard(0).alertness(), perFrame, 1e-5f);
    story.frames(1);
    EXPECT_NEAR(story.guard(0).alertness(), 2 * perFrame, 1e-5f);
    story.wall(90, 105, 110, 105);
    story.frames(1);
    EXPECT_NEAR(story.guard(0).alertness(), 2 * perFrame - 0.33f, 1e-5f);
    story.frames(1);
    EXPECT_EQ(story.guard(0).alertness(), 0.0f);
    story.frames(30);
    EXPECT_EQ(story.mode(0), GuardMode::Calm);
}

// Records the mode changes a guard publishes.
struct ModeLog final : EventsListener<GuardModeChange> {
    void onEvent(GuardModeChange& change) override { changes.push_back(change); }
    std::vector<GuardModeChange> changes;
};

TEST(GuardSight, AnEngagedGuardFightsOnAndHisBlipLosesTheOnGuardLook) {
    ModeLog modes;
    GuardStory story;
    story.playerAt({100, 110, 0});
    const int32_t guard = story.spawn({100, 100, 0});
    story.begin();
    story.inScript([&] { story.guard(0).subscribe(modes); });
    ASSERT_GT(story.framesUntilCombat(0, 20), 0);

    const sim::TaskStep* fight = story.world().pedTasks.current(guard);
    ASSERT_NE(fight, nullptr);
    EXPECT_EQ(fight->kind, sim::TaskKind::Combat);
    EXPECT_EQ(fight->entity, story.player);
    const sim::Blip* blip = story.world().blips.find(story.guard(0).blip());
    ASSERT_NE(blip, nullptr);
    EXPECT_EQ(blip->entity, guard);
    EXPECT_EQ(blip->style, sim::GameHash("BLIP_STYLE_ENEMY"));
    EXPECT_EQ(blip->modifiers.count(sim::GameHash("BLIP_MODIFIER_ENEMY_ON_GUARD")), 0u);
    ASSERT_EQ(modes.changes.size(), 1u);
    EXPECT_EQ(modes.changes[0].ped, guard);
    EXPECT_EQ(modes.changes[0].oldMode, GuardMode::Calm);
    EXPECT_EQ(modes.changes[0].newMode, GuardMode::Combat);

    // Out of sight, far away, a shot: he fights on and nothing else reaches him.
    story.wall(90, 105, 110, 105);
    story.playerAt({100, 60, 0});
    story.aiEvent("EVENT_SHOT_FIRED", story.player);
    story.frames(100);
    EXPECT_EQ(story.mode(0), GuardMode::Combat);
    EXPECT_EQ(modes.changes.size(), 1u);
    EXPECT_EQ(story.world().pedTasks.current(guard)->kind, sim::TaskKind::Combat);
    story.inScript([&] { story.guard(0).unsubscribe(modes); });
}

TEST(GuardSight, ARemovedGuardTakesHisBlipOffTheMap) {
    GuardStory story;
    story.playerAt({100, 110, 0});
    const int32_t guard = story.spawn({100, 100, 0});
    story.begin();
    ASSERT_GT(story.framesUntilCombat(0, 20), 0);
    ASSERT_TRUE(story.world().blips.onEntity(guard));
    story.dropGuard(0);
    EXPECT_FALSE(story.world().blips.onEntity(guard));
    EXPECT_TRUE(story.world().blips.all.empty());
}

} // namespace
