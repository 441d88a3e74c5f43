// Spawning waits for streaming the way the rest of the plug-in relies on: models for at most
// 10 s, prop sets for at most 2000 ms of game timer.
#include "Hash.h"
#include "core/natives/Objects.h"
#include "core/natives/Peds.h"
#include "core/natives/Propsets.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

// A spawn, run in a script, of a model or prop set that never loads ("stream never"): what it
// answered, the game time it waited and the log lines written.
struct NeverLoaded {
    int32_t answer = -1;
    int32_t waitedMs = 0;
    std::vector<std::string> log;
};

NeverLoaded SpawnNeverLoading(ScriptHarness& h, uint32_t hash, std::function<int32_t()> spawn) {
    h.captureLog();
    h.world().streaming.never.insert(hash);
    NeverLoaded spawned;
    h.start([&] {
        const int32_t startedAt = h.world().gameTimer;
        spawned.answer = spawn();
        spawned.waitedMs = h.world().gameTimer - startedAt;
    });
    h.runUntilFinished(600);
    spawned.log = h.logLines();
    return spawned;
}

} // namespace

TEST(SpawnPed, WaitsForTheModelThenCreatesThePedWhereAsked) {
    ScriptHarness h;
    Ped ped = 0;
    h.start([&] { ped = SpawnPed("A_M_M_ValFarmer_01", Vector3{10, 20, 1}, 45.0f); });
    const uint64_t frames = h.runUntilFinished(100);
    ASSERT_TRUE(h.finished());
    EXPECT_EQ(frames, 1 + h.world().streaming.framesToLoad)
        << "requested in the first frame, created once loaded";
    const sim::Entity* e = h.world().entity(ped);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->kind, sim::EntityKind::Ped);
    EXPECT_EQ(e->model, sim::GameHash("A_M_M_ValFarmer_01"));
    EXPECT_EQ(e->position.x, 10.0f);
    EXPECT_EQ(e->position.y, 20.0f);
    EXPECT_EQ(e->position.z, 1.0f);
    EXPECT_EQ(e->heading, 45.0f);
    EXPECT_TRUE(h.world().peds.state[ped].randomOutfit);
    EXPECT_EQ(h.world().peds.state[ped].configFlags.at(130), false);
    EXPECT_TRUE(h.sim().faults().empty());
}

// A model that never loads ("stream never") must not freeze the plug-in that asked: the spawn
// gives up after 10 s of game time with one log line and answers 0, and nothing is created.
TEST(SpawnPed, GivesUpOnAModelThatNeverLoadsAfterTenSecondsWithOneLogLine) {
    ScriptHarness h;
    const uint32_t model = sim::GameHash("A_M_M_Moonshiners_01");
    const NeverLoaded spawn =
        SpawnNeverLoading(h, model, [] { return SpawnPed("A_M_M_Moonshiners_01", Vector3{}); });
    ASSERT_TRUE(h.finished()) << "the script goes on after the wait";
    EXPECT_EQ(spawn.answer, 0);
    const int32_t frameMs = h.sim().options().frameMs;
    EXPECT_GE(spawn.waitedMs, 10000);
    EXPECT_LT(spawn.waitedMs, 10000 + frameMs);
    for (const auto& [handle, e] : h.world().entities)
        EXPECT_NE(e.model, model);
    ASSERT_EQ(spawn.log.size(), 1u);
    const std::string expected =
        "failed to load model: " + std::to_string(static_cast<int32_t>(model));
    EXPECT_NE(spawn.log[0].find(expected), std::string::npos) << spawn.log[0];
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(SpawnObject, GivesUpOnAModelThatNeverLoadsAndCreatesNothing) {
    ScriptHarness h;
    const uint32_t model = sim::GameHash("P_STILL02X");
    const NeverLoaded spawn = SpawnNeverLoading(h, model, [] {
        return SpawnObject("P_STILL02X", Vector3{1, 1, 5}, 30.0f, true, true);
    });
    ASSERT_TRUE(h.finished());
    EXPECT_EQ(spawn.answer, 0);
    for (const auto& [handle, e] : h.world().entities)
        EXPECT_NE(e.model, model);
    ASSERT_EQ(spawn.log.size(), 1u);
    EXPECT_NE(spawn.log[0].find("failed to load model: "), std::string::npos) << spawn.log[0];
}

TEST(SpawnObject, AFixedObjectStaysWhereItIsPutAndALooseOneSettlesOnTheGround) {
    ScriptHarness h;
    h.world().ground.flat = 2.0f;
    Object fixed = 0, loose = 0;
    h.start([&] {
        fixed = SpawnObject("P_STILL02X", Vector3{1, 1, 5}, 30.0f, true, true);
        loose = SpawnObject("P_STILL02X", Vector3{2, 2, 5}, 60.0f, false, false);
    });
    h.runUntilFinished(100);
    ASSERT_TRUE(h.finished());
    ASSERT_NE(h.world().entity(fixed), nullptr);
    ASSERT_NE(h.world().entity(loose), nullptr);
    EXPECT_EQ(h.world().entity(fixed)->position.z, 5.0f);
    EXPECT_EQ(h.world().entity(fixed)->heading, 30.0f);
    EXPECT_TRUE(h.world().entityStates.of[fixed].frozen);
    EXPECT_EQ(h.world().entity(loose)->position.z, 2.0f);
    EXPECT_EQ(h.world().entity(loose)->heading, 60.0f);
    EXPECT_FALSE(h.world().entityStates.of[loose].frozen);
    EXPECT_FALSE(h.world().entityStates.of[loose].visible);
    EXPECT_EQ(h.callsOf("REQUEST_MODEL"), 1u) << "a loaded model is not requested again";
}

TEST(SpawnPropset, APropSetThatNeverLoadsCostsAboutTwoSecondsAndReturnsZeroWithALogLine) {
    ScriptHarness h;
    const uint32_t hash = sim::GameHash("pg_scenario_molotovmake");
    ASSERT_LT(static_cast<int32_t>(hash), 0) << "chosen so the log shows a signed hash";
    const NeverLoaded spawn = SpawnNeverLoading(h, hash, [] {
        return SpawnPropset("pg_scenario_molotovmake", Vector3{5, 5, 0}, 90.0f);
    });
    ASSERT_TRUE(h.finished());
    EXPECT_EQ(spawn.answer, 0);
    const int32_t frameMs = h.sim().options().frameMs;
    EXPECT_GT(spawn.waitedMs, 2000);
    EXPECT_LE(spawn.waitedMs, 2000 + frameMs);
    EXPECT_TRUE(h.world().propSets.all.empty());
    ASSERT_EQ(spawn.log.size(), 1u);
    const std::string expected =
        "failed to load propset: " + std::to_string(static_cast<int32_t>(hash));
    EXPECT_NE(spawn.log[0].find(expected), std::string::npos) << spawn.log[0];
    EXPECT_EQ(expected, "failed to load propset: -910250514");
}

TEST(SpawnPropset, ALoadedPropSetIsCreatedWhereAskedWithinAFewFrames) {
    ScriptHarness h;
    PropSet result = 0;
    h.start([&] { result = SpawnPropset("pg_mp_moonshine_camp01", Vector3{5, 6, 7}, 90.0f); });
    const uint64_t frames = h.runUntilFinished(100);
    ASSERT_TRUE(h.finished());
    ASSERT_NE(result, 0);
    EXPECT_LE(frames, 1 + h.world().streaming.framesToLoad);
    const sim::PropSetInstance& set = h.world().propSets.all.at(result);
    EXPECT_EQ(set.name, sim::GameHash("pg_mp_moonshine_camp01"));
    EXPECT_EQ(set.position.y, 6.0f);
    EXPECT_EQ(set.heading, 90.0f);
}
