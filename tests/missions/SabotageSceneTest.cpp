// A sabotage's rival camp from a table of the test's own, run as the camp plug-in runs its
// missions: the choice of a camp for a place, the scene without the online assets, the guards'
// group and duties, and what the clean-up lets go of, fallen and vanished guards included.
#include "Hash.h"
#include "ai/WhistleDetector.h"
#include "core/data/DictDataFile.h"
#include "core/data/GameData.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/NamedTimers.h"
#include "missions/SabotageMissionProcessor.h"
#include "support/ScriptAction.h"
#include "support/ScriptHarness.h"
#include "support/TestPaths.h"
#include "ui/Notifications.h"
#include "ui/Tutorials.h"
#include "world/Lifecycle.h"

#include <fstream>

#include <gtest/gtest.h>

#include <memory>

using namespace corvale;
using namespace corvale::testing;

namespace {

constexpr int32_t kPlace = 7, kOtherPlace = 8, kNoPlace = 9;
constexpr float kGround = 10.0f;

// Place 7: an open camp with an online still, then an online-only camp; place 8: one camp.
const ComplexRow kComplexes[] = {
    {kPlace, {100, 100, kGround}, true, {110, 100, kGround}, false},
    {kPlace, {300, 100, kGround}, false, {}, true},
    {kOtherPlace, {100, 100, kGround}, false, {}, false},
};
const PropSetRow kPropSets[] = {
    {0, "pg_mp_moonshinecamp03x", {110, 100, kGround}, 140, true},
    {0, "pg_ambient_campfire02x", {95, 100, kGround}, 0, false},
    {1, "pg_mp_campfire03x", {300, 110, kGround}, 0, true},
    {2, "pg_ambient_campfire02x", {100, 105, kGround}, 0, false},
};

class SabotageRig {
  public:
    explicit SabotageRig(const char* useMpAssets) {
        h_.captureLog();
        ai_.load();
        // The player's switch over the camp's built-in value.
        std::ofstream("Corvale/Settings.ini") << "UseMpAssets=" << useMpAssets << "\n";
        settings_.load("Corvale/Settings.ini", {{"UseMpAssets", "1"}});
        h_.world().ground.flat = kGround;
    }
    ~SabotageRig() {
        inScript([this] { mission_.reset(); });
    }

    // Builds the registry and a mission on complex 0 with guards guards, then ticks it each frame.
    void begin(int32_t guards) {
        h_.start([this, guards] {
            RefreshPlayerPed();
            whistle_ = std::make_unique<WhistleDetector>();
            senses_ =
                std::make_unique<GuardSenses>(GuardSenses{ai_, *whistle_, throws_, settings_});
            complexes.fill(kComplexes, kPropSets);
            const InfiltrationKit kit{data_, notifications_, tutorials_, debug_, timers_, *senses_};
            mission_ = std::make_unique<SabotageMissionProcessor>(
                MakeSabotageSetup(complexes.all()[0], guards), complexes, settings_, kit,
                MissionKit{notifications_, debug_});
            for (;;) {
                RefreshPlayerPed();
                action_.runPending();
                throws_.sample(PlayerPed());
                whistle_->update();
                if (mission_) mission_->tick();
                ScriptWait(0);
            }
        });
        frames(1);
    }
    void frames(int n) { h_.sim().runFrames(n); }
    void inScript(std::function<void()> f) { action_.runNext(h_.sim(), std::move(f)); }
    void playerAt(sim::Vec3 at) { world().entities.at(world().player.ped).position = at; }
    sim::World& world() { return h_.world(); }
    sim::Simulator& sim() { return h_.sim(); }
    SabotageMissionProcessor& mission() { return *mission_; }
    // Entities of the model a plug-in made and still holds.
    int owned(const char* model) {
        int n = 0;
        for (const auto& [handle, e] : world().entities)
            n += e.byPlugin && e.model == sim::GameHash(model) &&
                 !world().entityStates.of[handle].released;
        return n;
    }

    CampComplexes complexes;

  private:
    ScriptHarness h_;
    DictDataFile ai_{corvale::testing::SourcePath("/data/Corvale/AI.dat")};
    Settings settings_;
    GameData data_;
    Notifications notifications_;
    DebugTools debug_;
    Tutorials tutorials_{data_, notifications_, debug_};
    NamedTimers timers_;
    ThrowImpactSampler throws_;
    std::unique_ptr<WhistleDetector> whistle_;
    std::unique_ptr<GuardSenses> senses_;
    std::unique_ptr<SabotageMissionProcessor> mission_;
    ScriptAction action_;
};

TEST(ComplexChoice, DrawsOnlyAmongTheCampsThePlaceAllows) {
    SabotageRig rig("1");
    rig.begin(0);
    const CampComplexes& c = rig.complexes;
    const auto drawn = [](int32_t index) { return [index](int32_t) { return index; }; };
    // Without the online assets the online-only camp is never drawn: one camp to draw from.
    int32_t count = 0;
    EXPECT_EQ(c.chooseComplex(kPlace, false, [&](int32_t n) { return count = n, 0; }), &c.all()[0]);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(c.chooseComplex(kPlace, true, drawn(1)), &c.all()[1]);
    EXPECT_EQ(c.chooseComplex(kPlace, false, drawn(1)), nullptr); // a draw out of range
    EXPECT_EQ(c.chooseComplex(kNoPlace, true, drawn(0)), nullptr);
    // Filled once: a second fill changes nothing.
    rig.inScript([&] { rig.complexes.fill(kComplexes, kPropSets); });
    EXPECT_EQ(c.all().size(), 3u);
    // The nearest centre; on a tie the earlier camp.
    EXPECT_EQ(c.nearestComplex(Vector3(100, 100, kGround)), &c.all()[0]);
    EXPECT_EQ(c.nearestComplex(Vector3(290, 100, kGround)), &c.all()[1]);
}

TEST(SabotageScene, WithoutOnlineAssetsAPlainStillStandsInTurned20Degrees) {
    SabotageRig rig("0");
    rig.playerAt({100, 400, kGround});
    rig.begin(3);
    rig.frames(5);
    EXPECT_EQ(rig.owned("P_STILL02X"), 0); // 300 m off: nothing built yet
    rig.playerAt({100, 340, kGround});
    rig.frames(60);
    ASSERT_EQ(rig.mission().phase(), SabotageMissionProcessor::kInfiltration);
    int stills = 0;
    for (const auto& [handle, e] : rig.world().entities) {
        if (e.model != sim::GameHash("P_STILL02X")) continue;
        ++stills;
        EXPECT_FLOAT_EQ(e.position.x, 110.0f);
        EXPECT_FLOAT_EQ(e.position.z, kGround);
        EXPECT_FLOAT_EQ(e.heading, 160.0f);
    }
    EXPECT_EQ(stills, 1);
    // Only the open set stands, 2 m up; the online one was never asked for.
    ASSERT_EQ(rig.world().propSets.all.size(), 1u);
    EXPECT_FLOAT_EQ(rig.world().propSets.all.begin()->second.position.z, kGround + 2.0f);
}

TEST(SabotageScene, GuardsFollowTheFirstAndAllThreeWalkARound) {
    SabotageRig rig("1");
    rig.playerAt({100, 340, kGround});
    rig.begin(3);
    rig.frames(60);
    const auto& guards = rig.mission().infiltration().guards();
    ASSERT_EQ(guards.size(), 3u);
    const auto& groups = rig.world().pools.groups.inUse;
    ASSERT_EQ(groups.size(), 1u);
    const sim::PedGroup& group = groups.begin()->second;
    EXPECT_EQ(group.leader, guards[0]->getPed());
    EXPECT_EQ(group.members.size(), 2u);
    for (const auto& guard : guards)
        EXPECT_NE(guard->task(), nullptr);
}

TEST(SabotageScene, FallenAndVanishedGuardsLeaveTheListAndTheCleanUpLetsThemAllGo) {
    SabotageRig rig("1");
    rig.playerAt({100, 340, kGround});
    rig.begin(4);
    rig.frames(60);
    auto& infiltration = rig.mission().infiltration();
    ASSERT_EQ(infiltration.guards().size(), 4u);
    const int32_t fallen = infiltration.guards()[1]->getPed();
    const int32_t vanished = infiltration.guards()[2]->getPed();
    sim::KillEntity(rig.sim(), fallen, "shot");
    sim::RemoveEntity(rig.sim(), vanished);
    rig.playerAt({100, 170, kGround}); // within 80 m: the guards are watched over
    rig.frames(3);
    EXPECT_EQ(infiltration.guards().size(), 2u);
    EXPECT_EQ(rig.owned("a_m_m_htlroughtravellers_01"), 3);
    rig.inScript([&] { rig.mission().cleanup(); });
    EXPECT_EQ(rig.owned("a_m_m_htlroughtravellers_01"), 0);
    EXPECT_TRUE(rig.world().entityStates.of[fallen].released);
    EXPECT_TRUE(rig.world().pools.groups.inUse.empty());
    EXPECT_TRUE(rig.world().blips.all.empty());
}

} // namespace

namespace {

TEST(SabotageScene, AMistypedMpAssetsSwitchKeepsTheOnlineAssetsOn) {
    SabotageRig rig("yes");
    rig.playerAt({100, 340, kGround});
    rig.begin(1);
    rig.frames(30);
    EXPECT_EQ(rig.mission().phase(), SabotageMissionProcessor::kInfiltration);
    EXPECT_EQ(rig.world().propSets.all.size(), 2u);
    EXPECT_EQ(rig.owned("P_STILL02X"), 0); // the online set's own still, not a stand-in
}

} // namespace
