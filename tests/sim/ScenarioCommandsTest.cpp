// The scenario commands that set the player up, make streaming fail, complete prompts and
// check peds, prompts and messages.
#include "CampWorld.h"
#include "Hash.h"
#include "core/natives/Models.h"
#include "core/natives/Peds.h"
#include "core/natives/Prompt.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "scenario/Scenario.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace corvale;

namespace {

// A run without plug-ins: the test's own scripts act in the world.
using ScenarioCommandsTest = corvale::testing::CampWorld;

} // namespace

TEST_F(ScenarioCommandsTest, PlayerAtPlacesThePlayersPedWithAnOptionalHeading) {
    EXPECT_EQ(play("player at 10 -5 2.5 90\n"), 0);
    const sim::Entity* ped = world().entity(world().player.ped);
    ASSERT_NE(ped, nullptr);
    EXPECT_EQ(ped->position.x, 10.0f);
    EXPECT_EQ(ped->position.y, -5.0f);
    EXPECT_EQ(ped->position.z, 2.5f);
    EXPECT_EQ(ped->heading, 90.0f);
    play("player at 1 2 3\n");
    EXPECT_EQ(ped->heading, 90.0f) << "without a heading the player keeps facing the same way";
}

TEST_F(ScenarioCommandsTest, PlayerDeadAndWeaponChangeThePlayer) {
    EXPECT_EQ(world().player.weapon, sim::GameHash("WEAPON_UNARMED"))
        << "a new world's player is unarmed";
    play("player dead on\nplayer weapon WEAPON_THROWN_MOLOTOV\n");
    EXPECT_TRUE(world().player.dead);
    EXPECT_FALSE(world().entity(world().player.ped)->alive);
    EXPECT_EQ(world().player.weapon, sim::GameHash("WEAPON_THROWN_MOLOTOV"));
    play("player dead off\n");
    EXPECT_TRUE(world().entity(world().player.ped)->alive);
}

TEST_F(ScenarioCommandsTest, PlayerImpactIsReportedAfterTheDelay) {
    play("frames 2\nplayer impact 1 2 3 4\n");
    EXPECT_EQ(world().weapons.impactFrame, 6u);
    EXPECT_EQ(world().weapons.impact.y, 2.0f);
    EXPECT_THROW(play("player impact 1 2 3 0\n"), sim::ScenarioError);
}

TEST_F(ScenarioCommandsTest, ExpectPedsCountsLivingPedsOfTheModel) {
    const uint32_t cook = sim::GameHash("a_m_m_moonshiners_01");
    world().spawn(sim::EntityKind::Ped, cook, {}, 0);
    const int32_t dead = world().spawn(sim::EntityKind::Ped, cook, {}, 0);
    world().entity(dead)->alive = false;
    world().spawn(sim::EntityKind::Object, cook, {}, 0);
    EXPECT_EQ(play("expect peds A_M_M_Moonshiners_01 1\nexpect peds a_m_m_moonshiners_01 2\n"), 1);
    EXPECT_EQ(run->passed(), 1);
    EXPECT_EQ(run->failed(), 1);
}

TEST_F(ScenarioCommandsTest, ExpectMessageMatchesTheWholeTextAndCountsShows) {
    world().messages = {"Debug tools ON", "Debug tools OFF", "Debug tools ON"};
    play("expect message \"Debug tools ON\"\n"
         "expect message \"Debug tools ON\" 2\n"
         "expect message \"Debug tools OFF\" 2\n"
         "expect message \"Debug tools\"\n");
    EXPECT_EQ(run->passed(), 2);
    EXPECT_EQ(run->failed(), 2);
}

TEST_F(ScenarioCommandsTest, PromptCompletesTheShownPromptAndExpectPromptReadsItsState) {
    int completions = 0;
    corvale::testing::StartScript(run->sim(), [&] {
        Prompt ledger("Open the ledger", sim::GameHash("INPUT_CONTEXT_X"), 0);
        Prompt greyed("Buy mash", sim::GameHash("INPUT_CONTEXT_Y"), 0);
        ledger.show();
        greyed.show();
        greyed.setEnabled(false);
        for (;;) {
            if (ledger.completed()) ++completions;
            ScriptWait(0);
        }
    });
    const int code = play("frames 1\n"
                          "expect prompt \"Open the ledger\" visible\n"
                          "expect prompt \"Open the ledger\" enabled\n"
                          "expect prompt \"Buy mash\" disabled\n"
                          "expect prompt \"Buy mash\" visible\n"
                          "expect prompt \"Sell\" hidden\n"
                          "expect prompt \"Sell\" disabled\n" // no such prompt: not disabled either
                          "prompt \"Open the ledger\"\n"
                          "frames 3\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 5);
    EXPECT_EQ(completions, 1);
    try {
        play("prompt \"Buy mash\"\n");
        FAIL() << "a disabled prompt cannot be completed";
    } catch (const sim::ScenarioError& e) {
        EXPECT_STREQ(e.what(), "test.scn:1: cannot press \"Buy mash\": greyed; the player sees "
                               "\"Open the ledger\", \"Buy mash\" (greyed)");
    }
}

TEST_F(ScenarioCommandsTest, PromptRefusesAGroupedPromptWhoseGroupIsNotShownAndSaysWhatIs) {
    std::vector<int32_t> groups;
    corvale::testing::StartScript(run->sim(), [&] {
        Prompt ledger, back;
        ledger.create("Open the ledger", sim::GameHash("INPUT_CONTEXT_X"), PromptSetup{0, 0x11});
        back.create("Back", sim::GameHash("INPUT_CONTEXT_Y"), PromptSetup{0, 0});
        ledger.show();
        back.show();
        for (;;) {
            for (int32_t group : groups)
                ShowPromptGroupThisFrame(group, TextLiteral("Ledger"));
            ScriptWait(0);
        }
    });
    try {
        play("frames 2\n"
             "prompt \"Open the ledger\"\n");
        FAIL() << "the ledger's group was never shown";
    } catch (const sim::ScenarioError& e) {
        EXPECT_STREQ(e.what(), "test.scn:2: cannot press \"Open the ledger\": its group is not "
                               "shown; the player sees \"Back\"");
    }
    groups = {0x11};
    EXPECT_EQ(play("frames 1\n"
                   "expect prompt \"Open the ledger\" enabled\n"
                   "prompt \"Open the ledger\"\n"
                   "frames 1\n"),
              0);
    groups = {};
    EXPECT_EQ(play("frames 1\n"
                   "expect prompt \"Open the ledger\" visible\n"),
              1)
        << "gone with its group";
}

TEST_F(ScenarioCommandsTest, StreamNeverKeepsAModelFromLoading) {
    Ped spawned = -1;
    play("stream never A_M_M_Moonshiners_01\n");
    corvale::testing::StartScript(run->sim(),
                                  [&] { spawned = SpawnPed("A_M_M_Moonshiners_01", Vector3{}); });
    EXPECT_EQ(play("frames 100\nexpect peds A_M_M_Moonshiners_01 0\n"), 0);
    EXPECT_EQ(spawned, -1) << "still waiting for the model";
}

TEST_F(ScenarioCommandsTest, StreamOnLetsAModelLoadAgain) {
    bool loaded = false;
    play("stream never A_M_M_Moonshiners_01\n");
    corvale::testing::StartScript(run->sim(), [&] {
        const Hash model = HashString("A_M_M_Moonshiners_01");
        RequestModel(model);
        while (!ModelLoaded(model))
            ScriptWait(0);
        loaded = true;
    });
    EXPECT_EQ(play("frames 20\n"), 0);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(play("stream on A_M_M_Moonshiners_01\nframes 2\n"), 0);
    EXPECT_TRUE(loaded) << "asked for long ago: in at once";
}

TEST_F(ScenarioCommandsTest, UntilRunsFramesUntilTheExpectationHoldsOrTheTimeIsUp) {
    corvale::testing::StartScript(run->sim(), [&] {
        ScriptWait(2000);
        world().player.cashCents = 500;
    });
    EXPECT_EQ(play("until cash 500 within 5\n"), 0);
    EXPECT_EQ(run->passed(), 1);
    EXPECT_GE(world().gameTimer, 2000);
    EXPECT_LT(world().gameTimer, 2100) << "no frame runs once it holds";
    EXPECT_EQ(play("until expect cash 500\n"), 0) << "holding already, it runs no frame";
    EXPECT_LT(world().gameTimer, 2100);

    const int32_t before = world().gameTimer;
    EXPECT_EQ(play("until cash 900 within 1.5\n"), 1);
    EXPECT_EQ(run->failed(), 1);
    EXPECT_GE(world().gameTimer - before, 1500);
    EXPECT_LT(world().gameTimer - before, 1600);
    EXPECT_EQ(play("until cash 900\n"), 1);
    EXPECT_GE(world().gameTimer - before, 61500) << "60 s of game time without within";

    EXPECT_THROW(play("until frames 3\n"), sim::ScenarioError) << "not an expectation";
    EXPECT_THROW(play("until cash 5 within 0\n"), sim::ScenarioError);
}
