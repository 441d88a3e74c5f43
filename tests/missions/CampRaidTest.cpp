// A gang raids the player's camp: the raid waits for him to come home, brings its raiders in
// rounds, sends them at him, and ends passed when the last is down or failed when he runs;
// either way it leaves nothing of its own in the world.
#include "MissionStory.h"

#include "Hash.h"
#include "core/data/GameData.h"
#include "core/natives/Strings.h"
#include "missions/CampRaidProcessor.h"
#include "ui/Tutorials.h"
#include "world/Geometry.h"
#include "world/Lifecycle.h"

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

const sim::Vec3 kCamp{200, 100, 0};

class RaidStory {
  public:
    // A camp at kCamp raided by `raiders`; the player stands at the camp unless told otherwise.
    explicit RaidStory(int32_t raiders, sim::Vec3 player = kCamp) {
        story.begin([this, raiders](MissionsManager& m) {
            m.registerType(MissionType::CampRaid, [this, raiders](int32_t, const MissionKit& kit) {
                RaidSetup setup{Vector3(kCamp.x, kCamp.y, kCamp.z), raiders,
                                HashString("a_m_m_htlroughtravellers_01")};
                return std::make_unique<CampRaidProcessor>(setup, kit, tutorials);
            });
        });
        story.frames(1);
        playerAt(player);
        bool started = false;
        story.inScript(
            [&] { started = story.manager().startMission(MissionType::CampRaid, kTallTrees); });
        EXPECT_TRUE(started);
    }

    void playerAt(sim::Vec3 at) { world().entity(world().player.ped)->position = at; }
    sim::World& world() { return story.world(); }
    CampRaidProcessor* raid() { return static_cast<CampRaidProcessor*>(story.manager().mission()); }

    std::vector<int32_t> raidersUp() {
        std::vector<int32_t> up;
        for (const auto& [handle, e] : world().entities)
            if (e.kind == sim::EntityKind::Ped && e.model == kModel && e.alive)
                up.push_back(handle);
        return up;
    }
    // Kills all but `spare` of the raiders still up.
    void killRaiders(size_t spare = 0) {
        auto up = raidersUp();
        for (size_t i = spare; i < up.size(); ++i)
            sim::KillEntity(story.harness().sim(), up[i], "shot by the player");
    }
    // Entities the raid made that it has neither released nor deleted.
    int owned() {
        int n = 0;
        for (const auto& [handle, e] : world().entities) {
            if (!e.byPlugin) continue;
            auto s = world().entityStates.of.find(handle);
            if (s == world().entityStates.of.end() || !s->second.released) ++n;
        }
        return n;
    }
    size_t blips() { return world().blips.all.size(); }
    size_t groups() { return world().pools.groups.inUse.size(); }
    // Runs frames until the round has come and stood up (the raid waits a second for it, so
    // "at once" is within 40 frames).
    void untilRound(int32_t round, int limit = 200) {
        for (int i = 0; i < limit && !(raid() && raid()->round() == round &&
                                       raid()->state() == CampRaidProcessor::State::Fighting);
             ++i)
            story.frames(1);
        ASSERT_TRUE(raid());
        ASSERT_EQ(raid()->round(), round);
        ASSERT_EQ(raid()->state(), CampRaidProcessor::State::Fighting);
    }
    int finishedWith(int32_t status) {
        int n = 0;
        for (const auto* e : story.sent("CORVALE_MISSION_FINISHED"))
            n += e->word(1) == 2 && e->word(2) == status;
        return n;
    }

    static inline const uint32_t kModel = sim::GameHash("a_m_m_htlroughtravellers_01");
    MissionStory story;
    GameData data;
    Tutorials tutorials{data, story.notifications, story.debugTools};
};

std::string Spawning(int n, int round) {
    return "CampRaidProcessor: spawning enemies: " + std::to_string(n) +
           ", current round: " + std::to_string(round);
}

TEST(CampRaid, ElevenRaidersComeAsSixThreeAndTwoAndTheLastDownDefendsTheCampLeavingNothing) {
    RaidStory s(11);
    s.untilRound(1);
    EXPECT_EQ(s.story.logCount("Tutorials: triggered: camp_raids"), 1);
    EXPECT_EQ(s.story.logCount(Spawning(6, 1)), 1);
    EXPECT_EQ(s.raidersUp().size(), 6u);
    EXPECT_EQ(s.blips(), 6u) << "one enemy blip per raider";
    EXPECT_EQ(s.groups(), 1u) << "the gang is one group";
    for (int32_t raider : s.raidersUp()) {
        const auto& task = s.world().pedTasks.of[raider].direct;
        EXPECT_EQ(task.kind, sim::TaskKind::Combat);
        EXPECT_EQ(task.entity, s.world().player.ped) << "sent at the player";
    }
    // Round 1 comes 60 to 69 m around the camp.
    for (int32_t raider : s.raidersUp()) {
        const float d = sim::Distance(s.world().entity(raider)->position, kCamp);
        EXPECT_GT(d, 50.0f);
        EXPECT_LT(d, 80.0f);
    }

    s.killRaiders();
    s.untilRound(2, 40); // at once: nobody of the round is left
    EXPECT_EQ(s.story.logCount(Spawning(3, 2)), 1);
    EXPECT_EQ(s.raidersUp().size(), 3u);
    EXPECT_EQ(s.blips(), 3u) << "the dead lose their blips";
    EXPECT_EQ(s.groups(), 1u);

    s.killRaiders();
    s.untilRound(3, 40);
    EXPECT_EQ(s.story.logCount(Spawning(2, 3)), 1);
    EXPECT_EQ(s.raidersUp().size(), 2u);

    s.killRaiders();
    s.story.frames(3);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: no enemies left - defended successfully"), 1);
    EXPECT_EQ(s.story.logCount("Mission of type 2 has terminated with status: 2"), 1);
    EXPECT_EQ(s.story.logCount("Tutorials: triggered: camp_raid_defended"), 1);
    EXPECT_EQ(s.finishedWith(2), 1);
    EXPECT_FALSE(s.story.manager().hasMission());
    EXPECT_EQ(s.story.save.getInt("last_completed_mission_type", -1), 2);
    EXPECT_EQ(s.owned(), 0) << "every raider handed back to the game";
    EXPECT_EQ(s.blips(), 0u);
    EXPECT_EQ(s.groups(), 0u) << "the gang's group given back";
    EXPECT_EQ(s.story.logCount("spawned "), 0) << "every round came whole";
}

TEST(CampRaid, OneRaiderLeftUpBringsTheNextRoundAroundThePlayerAndAnOldRoundDoesToo) {
    RaidStory s(12);
    s.untilRound(1);
    s.killRaiders(2);
    s.story.frames(5);
    EXPECT_EQ(s.raid()->round(), 1) << "two still up hold the next round back";
    s.killRaiders(1);
    const int32_t lastOfRoundOne = s.raidersUp().at(0);
    // From round 2 they come 40 m around the player, wherever he stands.
    const sim::Vec3 player{kCamp.x - 30, kCamp.y + 20, 0};
    s.playerAt(player);
    s.untilRound(2, 40);
    EXPECT_EQ(s.story.logCount(Spawning(3, 2)), 1);
    ASSERT_EQ(s.raidersUp().size(), 4u);
    for (int32_t raider : s.raidersUp()) {
        if (raider == lastOfRoundOne) continue;
        EXPECT_LT(sim::Distance(s.world().entity(raider)->position, player), 50.0f);
        EXPECT_GT(sim::Distance(s.world().entity(raider)->position, player), 30.0f);
    }
    // Nobody dies: after 30 whole seconds the third round comes anyway.
    s.story.frames(30 * 30);
    EXPECT_EQ(s.raid()->round(), 2);
    s.untilRound(3, 100);
    EXPECT_EQ(s.story.logCount(Spawning(3, 3)), 1) << "all that are left come in round 3";
}

TEST(CampRaid, LeavingBeforeTheRaidersComeKeepsTheRaidWaiting) {
    RaidStory s(10, sim::Vec3{kCamp.x + 100, kCamp.y, 0});
    s.story.frames(300);
    ASSERT_TRUE(s.story.manager().hasMission());
    EXPECT_EQ(s.raid()->getStatus(), MissionStatus::Waiting);
    EXPECT_TRUE(s.raidersUp().empty());
    EXPECT_EQ(s.story.logCount("player went too far"), 0);
    s.playerAt(sim::Vec3{kCamp.x + 25, kCamp.y, 0});
    s.untilRound(1);
    EXPECT_EQ(s.raid()->getStatus(), MissionStatus::Running);
    EXPECT_EQ(s.story.logCount(Spawning(5, 1)), 1);
}

TEST(CampRaid, RunningFarFromTheCampAfterTheFirstRoundFailsTheRaidWithNoSecondRound) {
    RaidStory s(11);
    s.untilRound(1);
    // He runs with only one raider left up: the next round would be due.
    s.killRaiders(1);
    s.playerAt(sim::Vec3{kCamp.x + 260, kCamp.y, 0});
    s.story.frames(3);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: player went too far"), 1);
    EXPECT_EQ(s.story.logCount("current round: 2"), 0);
    EXPECT_EQ(s.story.logCount("Mission of type 2 has terminated with status: 3"), 1);
    EXPECT_EQ(s.finishedWith(3), 1);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: cleanup"), 1);
    EXPECT_EQ(s.owned(), 0);
    EXPECT_EQ(s.blips(), 0u) << "the raider still up loses his blip with the raid";
    EXPECT_EQ(s.groups(), 0u);
}

TEST(CampRaid, AMeshThatNeverLoadsIsWaitedForFiveSecondsWithoutHoldingTheCampUp) {
    RaidStory s(11);
    s.untilRound(1);
    s.world().map.navmeshNever = true;
    s.killRaiders();
    s.story.frames(2);
    EXPECT_EQ(s.raid()->state(), CampRaidProcessor::State::Spawning);
    // The camp's frame goes on every frame while the mesh is awaited.
    for (int i = 0; i < 100; ++i) {
        bool ran = false;
        s.story.inScript([&] { ran = true; });
        ASSERT_TRUE(ran) << "frame " << i;
    }
    EXPECT_EQ(s.raid()->round(), 2);
    EXPECT_EQ(s.raid()->state(), CampRaidProcessor::State::Spawning);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: loading nav mesh around area: "), 1);
    s.untilRound(2, 100); // after 5 s the spawn is tried, and the safe spot holds
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: nav mesh did not load in time"), 1);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: loading nav mesh around area: "), 1);
    EXPECT_EQ(s.story.logCount(Spawning(3, 2)), 1);
}

TEST(CampRaid, NoSafeSpotSpawnsNobodyAndTheRoundIsTriedAgainLoggedOnce) {
    RaidStory s(9);
    s.world().map.safeCoordsNever = true;
    s.story.frames(60);
    EXPECT_TRUE(s.raidersUp().empty());
    EXPECT_EQ(s.raid()->round(), 0);
    EXPECT_EQ(s.raid()->remaining(), 9);
    EXPECT_EQ(s.blips(), 0u);
    EXPECT_EQ(s.groups(), 0u);
    EXPECT_EQ(s.story.logCount("CampRaidProcessor: attackers were not spawned for this round"), 1);
    s.world().map.safeCoordsNever = false;
    s.untilRound(1);
    EXPECT_EQ(s.story.logCount(Spawning(5, 1)), 1);
    EXPECT_EQ(s.raidersUp().size(), 5u);
}

TEST(CampRaid, ARaiderModelThatNeverLoadsRegistersNothing) {
    RaidStory s(9);
    s.world().streaming.never.insert(RaidStory::kModel);
    s.story.frames(400); // the spawn gives up on the model after 10 s
    EXPECT_GE(s.story.logCount("CampRaidProcessor: attackers were not spawned for this round"), 1);
    EXPECT_EQ(s.raid()->remaining(), 9);
    EXPECT_EQ(s.raid()->raidersUp(), 0u);
    EXPECT_EQ(s.groups(), 0u) << "no leader 0, no group";
    EXPECT_EQ(s.blips(), 0u);
    EXPECT_EQ(s.raid()->getStatus(), MissionStatus::Running);
}

// A round of seven stands fighting: every frame of the fight stays in budget and allocates
// nothing.
TEST(CampRaid, AFrameOfTheFightWithSevenRaidersUpStaysInBudgetAndAllocatesNothing) {
    RaidStory s(13);
    s.untilRound(1);
    ASSERT_EQ(s.raidersUp().size(), 7u);
    s.story.frames(2);
    const auto& figures = s.story.harness().sim().figures().frames("unknown");
    const size_t seen = figures.size();
    s.story.frames(100);
    ASSERT_EQ(figures.size(), seen + 100);
    for (size_t i = seen; i < figures.size(); ++i) {
        EXPECT_LE(figures[i].natives, 200u) << "frame " << i;
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's allocator is not counted
        EXPECT_EQ(figures[i].allocs, 0u) << "frame " << i;
#endif
    }
    EXPECT_EQ(s.raid()->round(), 1);
}

} // namespace
