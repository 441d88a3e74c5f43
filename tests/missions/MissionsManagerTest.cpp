// The missions manager's stories: the cook rescue kick-off while the player has no camp,
// starting and refusing missions, and what a terminated mission leaves behind.
#include "MissionStory.h"

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

constexpr const char* kKickOff = "MissionsManager: initiating cook rescue kick off mission";

// Stands in for the cook rescue, so a kick-off that is not refused starts a mission.
std::unique_ptr<BaseMissionProcessor> Running(int32_t, const MissionKit& kit) {
    return std::make_unique<TestMission>(kit, MissionType::CookRescue);
}

TEST(KickOff, WithNoCampItIsTriedOnTheFirstFrameThenAtMostOnceEvery300000Ms) {
    MissionStory story(1000); // one frame a second
    story.begin();
    story.frames(1);
    EXPECT_EQ(story.logCount(kKickOff), 1);
    // No cook rescue has been built yet, so each try is refused as unknown.
    EXPECT_EQ(story.logCount("MissionsManager: cannot start mission: unknown mission type 1"), 1);
    story.frames(299);
    EXPECT_EQ(story.logCount(kKickOff), 1);
    story.frames(1);
    EXPECT_EQ(story.logCount(kKickOff), 2);
    story.frames(300);
    EXPECT_EQ(story.logCount(kKickOff), 3);
}

TEST(KickOff, ARefusedKickOffIsRetriedAfterTheCooldown) {
    MissionStory story(1000);
    story.world().player.wanted = true;
    story.begin([](MissionsManager& m) { m.registerType(MissionType::CookRescue, Running); });
    story.frames(2);
    EXPECT_EQ(story.logCount(kKickOff), 1);
    EXPECT_FALSE(story.manager().hasMission());
    story.world().player.wanted = false;
    story.frames(298);
    EXPECT_FALSE(story.manager().hasMission());
    story.frames(1);
    EXPECT_EQ(story.logCount(kKickOff), 2);
    EXPECT_TRUE(story.manager().hasMission());
}

TEST(KickOff, ASavedPlaceOfTheTableMeansACampAndNoKickOff) {
    MissionStory story;
    story.save.setInt("operation.location", kTallTrees);
    story.begin([](MissionsManager& m) { m.registerType(MissionType::CookRescue, Running); });
    story.frames(30);
    EXPECT_EQ(story.logCount(kKickOff), 0);
    EXPECT_FALSE(story.manager().hasMission());
}

// An id that names no place, -1 or 0 is no camp: the kick-off is how the player gets one.
TEST(KickOff, ASavedValueThatNamesNoPlaceStillStartsTheKickOff) {
    for (const char* saved : {"-1", "0", "12345", "-108848013"}) {
        MissionStory story;
        story.save.set("operation.location", saved);
        story.begin([](MissionsManager& m) { m.registerType(MissionType::CookRescue, Running); });
        story.frames(1);
        EXPECT_TRUE(story.manager().hasMission()) << saved;
        EXPECT_EQ(story.manager().mission()->getType(), MissionType::CookRescue) << saved;
    }
}

TEST(KickOff, ASavedValueThatIsNoNumberIsNoCampLoggedOnceAndNeverThrows) {
    MissionStory story(1000);
    story.save.set("operation.location", "tall trees");
    story.world().player.wanted = true; // every try refused, so the value is read again
    story.begin([](MissionsManager& m) { m.registerType(MissionType::CookRescue, Running); });
    story.frames(901);
    EXPECT_EQ(story.logCount(kKickOff), 4);
    EXPECT_EQ(story.logCount("saved camp location is not a number: tall trees"), 1);
    EXPECT_EQ(story.logCount("Something wrong happened"), 0);
}

TEST(KickOff, ItWaitsWhileThePlayerIsDead) {
    MissionStory story;
    story.world().player.dead = true;
    story.begin([](MissionsManager& m) { m.registerType(MissionType::CookRescue, Running); });
    story.frames(20);
    EXPECT_EQ(story.logCount(kKickOff), 0);
    story.world().player.dead = false;
    story.frames(1);
    EXPECT_EQ(story.logCount(kKickOff), 1);
    EXPECT_TRUE(story.manager().hasMission());
}

TEST(StartMission, AnUnknownTypeIsLoggedAndRefused) {
    MissionStory story;
    story.save.setInt("operation.location", kTallTrees);
    story.begin();
    bool started = true;
    story.inScript([&] { started = story.manager().startMission(static_cast<MissionType>(5), 3); });
    EXPECT_FALSE(started);
    EXPECT_EQ(story.logCount("MissionsManager: cannot start mission: unknown mission type 5"), 1);
    EXPECT_TRUE(story.sent("CORVALE_MISSION_ACCEPTED").empty());
}

TEST(StartMission, ARefusedStartLeavesNoTrace) {
    MissionStory story;
    story.save.setInt("operation.location", kTallTrees);
    story.begin([](MissionsManager& m) {
        m.registerType(kTestType, [](int32_t, const MissionKit& kit) { return std::make_unique<TestMission>(kit); });
    });
    story.frames(1);
    const size_t linesBefore = story.harness().logLines().size();
    story.world().player.wanted = true;
    bool started = true;
    story.inScript([&] { started = story.manager().startMission(kTestType, kTallTrees); });
    EXPECT_FALSE(started);
    story.world().player.wanted = false;
    // Someone fights the player.
    const int32_t enemy = story.world().spawn(sim::EntityKind::Ped, 1, sim::Vec3{9, 0, 0}, 0);
    sim::TaskStep fight;
    fight.kind = sim::TaskKind::Combat;
    fight.entity = story.world().player.ped;
    story.world().pedTasks.of[enemy].direct = fight;
    story.inScript([&] { started = story.manager().startMission(kTestType, kTallTrees); });
    EXPECT_FALSE(started);
    EXPECT_FALSE(story.manager().hasMission());
    EXPECT_EQ(story.harness().logLines().size(), linesBefore);
    EXPECT_TRUE(story.sent("CORVALE_MISSION_ACCEPTED").empty());
    EXPECT_FALSE(story.world().law.missionFlag);
}

TEST(StartMission, AStartIsAnnouncedWithTheLocationAndTheTypeAndASecondIsRefused) {
    MissionStory story;
    story.save.setInt("operation.location", kTallTrees);
    story.begin([](MissionsManager& m) {
        m.registerType(kTestType, [](int32_t, const MissionKit& kit) { return std::make_unique<TestMission>(kit); });
    });
    bool first = false, second = true;
    story.inScript([&] {
        first = story.manager().startMission(kTestType, kTallTrees);
        second = story.manager().startMission(kTestType, kTallTrees);
    });
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    const auto accepted = story.sent("CORVALE_MISSION_ACCEPTED");
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0]->size, 3);
    EXPECT_EQ(accepted[0]->word(1), kTallTrees);
    EXPECT_EQ(accepted[0]->word(2), 7);
}

} // namespace

namespace {

// Between kick-off tries, with or without a camp, a frame costs the game timer and nothing
// else: no save key read, no text composed, no name hashed, no allocation.
TEST(IdleFrame, WhileTheKickOffCoolsDownAFrameCostsTheTimerAndNoAllocation) {
    for (const bool withCamp : {false, true}) {
        MissionStory story;
        if (withCamp) story.save.setInt("operation.location", kTallTrees);
        story.begin();
        story.frames(2); // start-up and the first kick-off try
        const size_t seen = story.harness().sim().figures().frames("unknown").size();
        story.frames(50);
        const auto& figures = story.harness().sim().figures().frames("unknown");
        ASSERT_EQ(figures.size(), seen + 50);
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's allocator is not counted
        EXPECT_GT(figures[0].allocs, 0u); // building the manager is counted
#endif
        for (size_t i = seen; i < figures.size(); ++i) {
            // The player's ped, refreshed by the frame loop, and the game timer.
            EXPECT_EQ(figures[i].natives, 2u) << "frame " << i;
            EXPECT_EQ(figures[i].allocs, 0u) << "frame " << i;
        }
    }
}

} // namespace

namespace {

TEST(StartMission, TheMissionsToastShowsItsBodyAndAnEmptyBodyShowsNone) {
    MissionStory story;
    story.save.setInt("operation.location", kTallTrees);
    story.lang.set("toasts.generic_title", "Moonshine business");
    story.lang.set("toasts.missions.7.body", "Ride to the rival camp.");
    story.begin([](MissionsManager& m) {
        m.registerType(kTestType, [](int32_t, const MissionKit& kit) { return std::make_unique<TestMission>(kit); });
        m.registerType(MissionType::CampRaid, [](int32_t, const MissionKit& kit) {
            return std::make_unique<TestMission>(kit, MissionType::CampRaid);
        });
    });
    story.inScript([&] { story.manager().startMission(kTestType, kTallTrees); });
    story.frames(10); // the toast's texture dictionary loads first
    const auto& toasts = story.world().screen.toasts;
    ASSERT_EQ(toasts.size(), 1u);
    EXPECT_EQ(toasts[0].title, "Moonshine business");
    EXPECT_EQ(toasts[0].body, "Ride to the rival camp.");
    EXPECT_EQ(toasts[0].texture, "blip_business_moonshine");
    EXPECT_EQ(toasts[0].durationMs, 5000);

    story.inScript([&] { story.manager().abortMission(); });
    bool started = false;
    story.inScript([&] { started = story.manager().startMission(MissionType::CampRaid, 9); });
    story.frames(10);
    EXPECT_TRUE(started);
    EXPECT_EQ(story.world().screen.toasts.size(), 1u);
    EXPECT_EQ(story.sent("CORVALE_MISSION_ACCEPTED").size(), 2u);
}

} // namespace

// The camp hears a mission's end as the type's number in "CORVALE_MISSION_FINISHED" and asks
// the manager what that type registered its end to do.
TEST(MissionOutcomes, ATypesNumberFindsTheOutcomeRegisteredWithItAndAnUnknownNumberNone) {
    MissionStory story;
    MissionOutcome raid;
    raid.influencePassed = {"raid.won", 0.1f};
    MissionOutcome sabotage;
    sabotage.lawAwarenessFailed = {"sabotage.lost", 0.3f};
    story.begin([&](MissionsManager& m) {
        m.registerType(MissionType::CampRaid, Running, raid);
        m.registerType(MissionType::Sabotage, Running, sabotage);
        m.registerType(MissionType::CookRescue, Running);
    });
    story.frames(1);
    const MissionsManager& manager = story.manager();
    ASSERT_NE(manager.outcome(2), nullptr);
    EXPECT_STREQ(manager.outcome(2)->influencePassed.key, "raid.won");
    EXPECT_EQ(manager.outcome(2)->influenceFailed.key, nullptr);
    ASSERT_NE(manager.outcome(0), nullptr);
    EXPECT_STREQ(manager.outcome(0)->lawAwarenessFailed.key, "sabotage.lost");
    EXPECT_FLOAT_EQ(manager.outcome(0)->lawAwarenessFailed.fallback, 0.3f);
    ASSERT_NE(manager.outcome(1), nullptr);
    EXPECT_EQ(manager.outcome(1)->influencePassed.key, nullptr) << "the rescue changes nothing";
    EXPECT_EQ(manager.outcome(5), nullptr);
    EXPECT_EQ(manager.outcome(-1), nullptr);
}
