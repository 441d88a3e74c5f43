// Stories of the camp's guards: three men come with the camp and one walks the patrol; a
// dead guard is cleared and the duty passes on; when the player is in a fight they go after
// his enemies; a move takes the old guards away and brings three new ones; nothing of theirs
// is left behind.
#include "GuardsStory.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace corvale;
using corvale::testing::GuardsStory;
using corvale::testing::kGuardModel;
using corvale::testing::kHeartlands;

namespace {

const std::string kNearTallTrees = "player at -1990 -1330 117.2\n";

} // namespace

TEST_F(GuardsStory, ThreeGuardsComeWithTheCampAndTheFirstLeadsTheirGroup) {
    holds(kNearTallTrees);
    begin();
    EXPECT_TRUE(holds("expect log \"CampGuards: 3 camp guards created\" 1\n"
                      "expect peds a_m_m_htlroughtravellers_01 3 near -1997.95 -1340.48 117.2 9.5\n"
                      "expect pool groups 1\n"));
    ASSERT_EQ(guards->count(), 3u);
    const sim::PedGroup& group = world().pools.groups.inUse.at(guards->group());
    const std::vector<Ped> living = livingGuards();
    ASSERT_EQ(living.size(), 3u);
    EXPECT_EQ(group.leader, *std::min_element(living.begin(), living.end()))
        << "the first one spawned leads";
    EXPECT_EQ(group.members.size(), 2u);
    for (const Ped ped : living) {
        const sim::PedState& state = world().peds.state.at(ped);
        EXPECT_EQ(state.relationship, sim::GameHash("REL_GANG_DUTCHS"));
        EXPECT_EQ(state.promptName, "Camp Guard");
        EXPECT_TRUE(state.keepTask);
        EXPECT_TRUE(state.configFlags.at(515));
        EXPECT_EQ(state.hiddenWeapons, 2);
    }

    // Next frame one of them is on duty and walks to his first point; the walk is the
    // game's once he has it.
    frames(3);
    const Ped duty = guards->dutyPed();
    ASSERT_NE(duty, 0);
    const sim::TaskStep* walk = taskOf(duty);
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->kind, sim::TaskKind::GoTo);
    EXPECT_TRUE(world().pedTasks.of.at(duty).sequenceRunning());
    EXPECT_TRUE(holds("expect pool sequences 0\nexpect no-fault\n"));
}

TEST_F(GuardsStory, AKilledDutyGuardIsReleasedAndTheDutyPassesOnTheNextFrame) {
    holds(kNearTallTrees);
    begin();
    frames(2);
    const Ped first = guards->dutyPed();
    ASSERT_NE(first, 0);
    kill(first);
    frames(1);
    EXPECT_EQ(guards->count(), 2u);
    EXPECT_EQ(guards->dutyPed(), 0);
    EXPECT_TRUE(holds("expect log \"CampGuards: clearing guard\" 1\n"
                      "expect log \"CampGuards: guard cleared\" 1\n"
                      "expect owned a_m_m_htlroughtravellers_01 2\n"));
    EXPECT_NE(world().entity(first), nullptr) << "the body is left to the game";

    frames(1);
    const Ped second = guards->dutyPed();
    EXPECT_NE(second, 0);
    EXPECT_NE(second, first);
    EXPECT_TRUE(world().entity(second)->alive);
    EXPECT_TRUE(noFault());
}

TEST_F(GuardsStory, WithTheDebugToolsOnADeadGuardIsDeleted) {
    debug.setOn(true);
    holds(kNearTallTrees);
    begin();
    frames(2);
    const std::vector<Ped> living = livingGuards();
    const Ped victim = living.front() == guards->dutyPed() ? living.back() : living.front();
    const Ped duty = guards->dutyPed();
    kill(victim);
    frames(2);
    EXPECT_EQ(guards->count(), 2u);
    EXPECT_EQ(world().entity(victim), nullptr);
    EXPECT_EQ(guards->dutyPed(), duty) << "the duty stays with its guard";
    EXPECT_TRUE(holds("expect log \"CampGuards: guard cleared\" 1\n"
                      "expect owned a_m_m_htlroughtravellers_01 2\nexpect no-fault\n"));
}

// Guards who were wandering between scenario spots join the fight too, and every list of
// the player's enemies goes back to the game.
TEST_F(GuardsStory, WhileThePlayerFightsTheGuardsGoAfterHisEnemy) {
    holds(kNearTallTrees);
    begin();
    frames(40); // the wanderers are on their way to their first spots
    ASSERT_TRUE(holds("enemy g_m_m_unicriminals_01 -1985 -1320 117.2\nframes 1\n"));
    const Ped enemy = static_cast<Ped>(world().nearest(sim::EntityKind::Ped,
                                                       sim::GameHash("g_m_m_unicriminals_01"),
                                                       sim::Vec3{-1985, -1320, 117.2f}, true));
    ASSERT_NE(enemy, 0);
    EXPECT_TRUE(holds("seconds 3\nexpect pool itemsets 0\nexpect no-fault\n"));
    for (const Ped ped : livingGuards())
        EXPECT_TRUE(fights(ped, enemy)) << "guard #" << ped;
    EXPECT_TRUE(holds("expect log \"CampGuardAI: fighting player enemy: " + std::to_string(enemy) +
                      "\" 3\n"));

    // Once he is down they go back to camp life; the patrol goes on.
    const Ped duty = guards->dutyPed();
    kill(enemy);
    EXPECT_TRUE(holds("seconds 5\nexpect pool itemsets 0\nexpect pool sequences 0\n"));
    for (const Ped ped : livingGuards())
        EXPECT_FALSE(fights(ped, enemy));
    ASSERT_NE(guards->dutyPed(), 0);
    EXPECT_EQ(guards->dutyPed(), duty);
    EXPECT_TRUE(world().pedTasks.of.at(duty).sequenceRunning()) << "back on his walk";
    EXPECT_TRUE(noFault());
}

// The camp manager's move: the guards go with the old camp and three new ones stand at the
// new one, the first of them leading the group kept from before.
TEST_F(GuardsStory, AMoveWhileAGuardPatrolsLeavesThreeLivingGuardsAtTheNewCamp) {
    holds(kNearTallTrees);
    begin();
    frames(30);
    ASSERT_NE(guards->dutyPed(), 0);
    const PedGroup group = guards->group();
    const std::vector<Ped> old = livingGuards();

    ASSERT_TRUE(inScript([this] {
        guards->clear();
        camp->remove();
        buildAt(kHeartlands);
        guards->create(3, 0);
    }));
    frames(30);
    EXPECT_EQ(guards->count(), 3u);
    EXPECT_EQ(guards->group(), group);
    const std::vector<Ped> now = livingGuards();
    ASSERT_EQ(now.size(), 3u);
    for (const Ped ped : old)
        EXPECT_EQ(world().entity(ped), nullptr) << "the old guards are deleted";
    EXPECT_EQ(world().pools.groups.inUse.at(group).leader,
              *std::min_element(now.begin(), now.end()));
    EXPECT_NE(std::find(now.begin(), now.end(), guards->dutyPed()), now.end());
    const sim::Vec3 centre = world().entity(guards->dutyPed())->position;
    EXPECT_GT(centre.x, 1600.0f) << "he patrols the new camp";
    EXPECT_TRUE(holds("expect log \"CampGuards: 3 camp guards created\" 2\n"
                      "expect pool groups 1\nexpect pool sequences 0\nexpect no-fault\n"));
}

TEST_F(GuardsStory, AGroupTheGameDroppedIsMadeAgainForTheNextCamp) {
    holds(kNearTallTrees);
    begin();
    const PedGroup dropped = guards->group();
    world().pools.groups.inUse.erase(dropped);
    ASSERT_TRUE(inScript([this] {
        guards->clear();
        guards->create(3, 0);
    }));
    ASSERT_NE(guards->group(), dropped);
    ASSERT_NE(guards->group(), 0);
    const sim::PedGroup& group = world().pools.groups.inUse.at(guards->group());
    EXPECT_NE(group.leader, 0);
    EXPECT_EQ(group.members.size(), 2u);
    EXPECT_TRUE(noFault());
}

TEST_F(GuardsStory, AfterTheCampIsTakenDownNothingOfItsGuardsIsLeft) {
    holds(kNearTallTrees);
    begin();
    frames(10);
    kill(livingGuards().front());
    frames(1);
    ASSERT_TRUE(inScript([this] {
        guards->clear();
        camp->remove();
    }));
    frames(5);
    EXPECT_EQ(guards->count(), 0u);
    EXPECT_EQ(guards->dutyPed(), 0);
    EXPECT_TRUE(holds("expect owned all 0\nexpect blips 0\nexpect pool sequences 0\n"
                      "expect pool itemsets 0\nexpect no-fault\n"));
}

TEST_F(GuardsStory, AGuardModelThatNeverLoadsMakesNoGuards) {
    holds(kNearTallTrees + "stream never a_m_m_htlroughtravellers_01\n");
    begin(); // the model wait gives up after 10 s
    EXPECT_EQ(guards->count(), 0u);
    EXPECT_TRUE(holds("expect log \"CampGuards: 0 camp guards created\" 1\n"
                      "expect log \"could not be spawned\" 1\n"
                      "expect pool groups 0\nexpect owned a_m_m_htlroughtravellers_01 0\n"));
    frames(10);
    EXPECT_EQ(guards->dutyPed(), 0);
    EXPECT_TRUE(noFault());
}

TEST_F(GuardsStory, NoCampNoGuards) {
    corvale::testing::StartScript(run->sim(), [this] { guards->create(3, 0); });
    frames(5);
    EXPECT_EQ(guards->count(), 0u);
    EXPECT_TRUE(holds("expect no-log \"camp guards created\"\n"
                      "expect peds a_m_m_htlroughtravellers_01 0\n"));
}

// Three guards going about camp life with no duty change: a handful of natives a frame and
// nothing allocated.
TEST_F(GuardsStory, GuardsAtPeaceCostFewNativesAndNoAllocation) {
    holds(kNearTallTrees);
    begin();
    frames(60);
    const size_t from = run->sim().figures().frames("unknown").size();
    EXPECT_TRUE(holds("mark\nseconds 20\nexpect budget unknown natives 40\n"
                      "expect budget unknown allocs 0\n"));
    // Most frames nobody decides anything.
    std::vector<uint64_t> natives;
    for (const sim::FrameFigures& f : run->sim().figures().frames("unknown"))
        natives.push_back(f.natives);
    natives.erase(natives.begin(), natives.begin() + static_cast<std::ptrdiff_t>(from));
    std::sort(natives.begin(), natives.end());
    ASSERT_FALSE(natives.empty());
    EXPECT_LE(natives[natives.size() / 2], 20u);
}

TEST_F(GuardsStory, TheDeveloperSwitchLogsEachNewScenarioSpotAndAMistypedOneCountsAsOff) {
    std::ofstream("Corvale/Settings.ini") << "DevTools=1\n";
    data.settings().load("Corvale/Settings.ini", {});
    holds(kNearTallTrees);
    begin();
    frames(70);
    EXPECT_TRUE(holds("expect log \"CampGuardAI: rotating guard scenario: \"\n"));

    // A switch that is no number does not stop the guards' frame.
    std::ofstream("Corvale/Settings.ini") << "DevTools=yes\n";
    data.settings().load("Corvale/Settings.ini", {});
    std::filesystem::remove("Corvale/Camp.log");
    frames(70);
    EXPECT_TRUE(holds("expect no-log \"rotating guard scenario\"\n"));
    EXPECT_EQ(livingGuards().size(), 3u);
    EXPECT_NE(guards->dutyPed(), 0);
}
