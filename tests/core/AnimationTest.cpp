// Animation waits: PlayAnim on the wall clock, PlaySceneAnim by tries, and their failures.
#include "core/natives/Animation.h"
#include "Hash.h"
#include "core/natives/DebugTools.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

constexpr const char* kTaskPlayAnim = "TASK_PLAY_ANIM";
constexpr const char* kRequestAnimDict = "REQUEST_ANIM_DICT";
constexpr const char* kPlayEntityAnim = "PLAY_ENTITY_ANIM";
constexpr const char* kDict = "amb_camp@world_camp_fire@stand@male";

std::vector<std::string> gDebugTexts;
void RecordDebugText(const char* text) {
    gDebugTexts.push_back(text);
}

struct AnimationTest : ::testing::Test {
    void SetUp() override { ped = h.world().spawn(sim::EntityKind::Ped, 1, {}, 0); }
    void TearDown() override { gDebugTexts.clear(); }
    ScriptHarness h;
    DebugTools debug{RecordDebugText};
    Ped ped = 0;
};

} // namespace

TEST_F(AnimationTest, AnUnknownDictionaryIsLoggedAndNothingPlays) {
    h.captureLog();
    h.world().streaming.missing.insert(sim::GameHash(kDict));
    PlayAnim(ped, "idle_a", kDict, -1, 8.0f, -8.0f, 1);
    const auto log = h.logLines();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(std::string("anim dict does not exist: ") + kDict), std::string::npos)
        << log[0];
    EXPECT_EQ(h.callsOf(kTaskPlayAnim), 0u);
    EXPECT_EQ(h.callsOf(kRequestAnimDict), 0u);
}

TEST_F(AnimationTest, PlayAnimWaitsForTheDictionaryThenPlays) {
    h.start([&] { PlayAnim(ped, "idle_a", kDict, -1, 8.0f, -8.0f, 1); });
    h.runUntilFinished(100);
    ASSERT_TRUE(h.finished());
    EXPECT_EQ(h.world().entityStates.of[ped].animDict, kDict);
    EXPECT_EQ(h.world().entityStates.of[ped].anim, "idle_a");
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(AnimationTest, PlayAnimGivesUpOnADictionaryAfterOneToTwoWallClockSeconds) {
    h.world().streaming.never.insert(sim::GameHash(kDict));
    int32_t startedAt = 0, endedAt = 0;
    h.start([&] {
        startedAt = h.world().gameTimer;
        PlayAnim(ped, "idle_a", kDict, -1, 8.0f, -8.0f, 1);
        endedAt = h.world().gameTimer;
    });
    h.runUntilFinished(200);
    ASSERT_TRUE(h.finished());
    EXPECT_GE(endedAt - startedAt, 1000);
    EXPECT_LE(endedAt - startedAt, 2000 + h.sim().options().frameMs);
    EXPECT_EQ(h.callsOf(kTaskPlayAnim), 1u) << "it plays regardless once the wait ends";
}

TEST_F(AnimationTest, PlaySceneAnimTriesAtMost501Times) {
    h.world().streaming.never.insert(sim::GameHash(kDict));
    bool played = true;
    h.start([&] {
        played =
            PlaySceneAnim(ped, "put_in_still_still", kDict, -1.0f, false, false, 0.0f, 0, debug);
    });
    h.runUntilFinished(1000);
    ASSERT_TRUE(h.finished());
    EXPECT_EQ(h.callsOf(kRequestAnimDict), 501u);
    EXPECT_EQ(h.callsOf(kPlayEntityAnim), 1u);
    EXPECT_FALSE(played) << "the game plays nothing from an unloaded dictionary";
}

TEST_F(AnimationTest, PlaySceneAnimShowsLoadingTextOnlyWhileDebugToolsAreOn) {
    h.start([&] {
        PlaySceneAnim(ped, "put_in_still_still", kDict, -1.0f, false, false, 0.0f, 0, debug);
    });
    h.runUntilFinished(100);
    EXPECT_TRUE(gDebugTexts.empty());
    EXPECT_EQ(h.world().entityStates.of[ped].anim, "put_in_still_still");

    const char* other = "script_re@moonshine_camp@player_put_in_herbs";
    debug.setOn(true);
    h.start([&] {
        PlaySceneAnim(ped, "put_in_still_still", other, -1.0f, false, false, 0.0f, 0, debug);
    });
    h.runUntilFinished(100);
    ASSERT_FALSE(gDebugTexts.empty());
    EXPECT_EQ(gDebugTexts[0], std::string("loading ") + other);
}
