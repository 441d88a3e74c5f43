// A mission's life under the manager: supervision for the player's death, the objective
// shown again, the end-of-mission report and what it leaves in the save and the world.
#include "MissionStory.h"

#include "Hash.h"
#include "core/natives/DebugTools.h"

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

struct Started {
    TestMission* mission = nullptr;
};

// Starts a test mission of type on the script; returns it through started.
void Start(MissionStory& story, Started& started, MissionType type = kTestType) {
    story.inScript([&story, &started, type] {
        story.manager().registerType(type, [&started, type](int32_t, const MissionKit& kit) {
            auto m = std::make_unique<TestMission>(kit, type);
            started.mission = m.get();
            return m;
        });
        story.manager().startMission(type, kTallTrees);
    });
}

class MissionEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        story.save.setInt("operation.location", kTallTrees);
        story.begin();
    }
    MissionStory story;
    Started started;
};

TEST_F(MissionEnd, APlayerWhoDiesFailsTheMissionWhichIsReportedAndNothingIsSaved) {
    Start(story, started);
    ASSERT_NE(started.mission, nullptr);
    story.inScript([&] { started.mission->setStatus(MissionStatus::Running); });
    story.frames(3);
    EXPECT_TRUE(story.world().law.missionFlag);
    story.world().player.dead = true;
    story.frames(2);
    EXPECT_FALSE(story.manager().hasMission());
    EXPECT_EQ(story.logCount("Mission of type 7 has terminated with status: 3"), 1);
    const auto finished = story.sent("CORVALE_MISSION_FINISHED");
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0]->size, 3);
    EXPECT_EQ(finished[0]->word(1), 7);
    EXPECT_EQ(finished[0]->word(2), 3);
    EXPECT_EQ(story.save.getString("last_completed_mission_type"), "");
    EXPECT_EQ(story.save.entries().size(), 1u); // only the camp's location
    EXPECT_FALSE(story.world().law.missionFlag);
}

TEST_F(MissionEnd, APassedMissionWritesItsTypeAndOnlyTheCookRescueSetsTheCookFlag) {
    Start(story, started);
    started.mission->onUpdate = [](TestMission& m) { m.setStatus(MissionStatus::Passed); };
    story.frames(2);
    EXPECT_EQ(story.logCount("Mission of type 7 has terminated with status: 2"), 1);
    EXPECT_EQ(story.save.getString("last_completed_mission_type"), "7");
    EXPECT_EQ(story.save.getString("mission_flags.cook"), "");

    Start(story, started, MissionType::CookRescue);
    started.mission->onUpdate = [](TestMission& m) { m.setStatus(MissionStatus::Passed); };
    story.frames(2);
    EXPECT_EQ(story.save.getString("last_completed_mission_type"), "1");
    EXPECT_EQ(story.save.getString("mission_flags.cook"), "1");
    EXPECT_EQ(story.sent("CORVALE_MISSION_FINISHED").size(), 2u);
}

// A cook who dies in the last state fails the mission; the state's own step then tries to
// pass it in the same frame.
TEST_F(MissionEnd, PassedAndFailedAreFinal) {
    Start(story, started);
    started.mission->onUpdate = [](TestMission& m) {
        m.setStatus(MissionStatus::Failed);
        m.setStatus(MissionStatus::Passed);
        m.setStatus(MissionStatus::Running);
    };
    TestMission* mission = started.mission;
    std::vector<std::pair<MissionStatus, MissionStatus>> changes;
    mission->onUpdate = [&changes, inner = mission->onUpdate](TestMission& m) {
        inner(m);
        changes = m.changes;
    };
    story.frames(2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].second, MissionStatus::Failed);
    EXPECT_EQ(story.logCount("has terminated with status: 3"), 1);
    EXPECT_EQ(story.save.getString("last_completed_mission_type"), "");
    EXPECT_FALSE(story.world().law.missionFlag);
}

TEST_F(MissionEnd, TheObjectiveIsShownAgainOnRevealHudAndAnEmptyOneIsNot) {
    Start(story, started);
    const uint32_t reveal = sim::GameHash("INPUT_REVEAL_HUD");
    story.world().controls.queued.insert(reveal);
    story.frames(1);
    EXPECT_TRUE(story.world().messages.empty());
    story.inScript([&] { started.mission->setObjective("Free Clint from the jail.", true); });
    EXPECT_EQ(story.world().messages.size(), 1u);
    story.world().controls.queued.insert(reveal);
    story.frames(1);
    ASSERT_EQ(story.world().messages.size(), 2u);
    EXPECT_EQ(story.world().messages[1], "Free Clint from the jail.");
}

TEST_F(MissionEnd, CleanUpReleasesWhatTheMissionCreatedOrDeletesItWithTheDebugTools) {
    Start(story, started);
    const int32_t guard = story.world().spawn(sim::EntityKind::Ped, 1, sim::Vec3{5, 5, 0}, 0);
    const int32_t crate = story.world().spawn(sim::EntityKind::Object, 2, sim::Vec3{6, 5, 0}, 0);
    story.inScript([&] {
        started.mission->addEntity(guard);
        started.mission->addEntity(0); // a spawn that gave up is not registered
        started.mission->onUpdate = [](TestMission& m) { m.setStatus(MissionStatus::Passed); };
    });
    story.frames(1);
    EXPECT_TRUE(story.world().entityStates.of[guard].released);
    EXPECT_TRUE(story.harness().sim().faults().empty());

    story.debugTools.setOn(true);
    Start(story, started);
    story.inScript([&] {
        started.mission->addEntity(crate);
        story.manager().abortMission();
    });
    story.debugTools.setOn(false);
    EXPECT_EQ(story.world().entity(crate), nullptr);
    EXPECT_FALSE(story.world().law.missionFlag);
    EXPECT_EQ(story.sent("CORVALE_MISSION_FINISHED").size(), 1u);
}

} // namespace
