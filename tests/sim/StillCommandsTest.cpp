// Scenario commands the still's scenarios use: texts no longer drawn, sprites with their
// alpha, sounds counted by name, the scripted camera, the player in combat.
#include "core/natives/Audio.h"
#include "core/natives/Camera.h"
#include "core/natives/Controls.h"
#include "core/natives/Entity.h"
#include "core/natives/HudContexts.h"
#include "core/natives/HudText.h"
#include "core/natives/Money.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Vehicles.h"
#include "support/BuiltPlugins.h"
#include "support/KitFeed.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace corvale;

namespace {

struct StillCommandsTest : ::testing::Test {
    void SetUp() override {
        run = std::make_unique<sim::ScenarioRun>(corvale::testing::BuiltPluginSettings());
        corvale::host::Install(corvale::host::PlatformHost());
    }
    // Runs the scenario with the camp plug-in only, so the still draws nothing of its own.
    int play(const std::string& scenario) {
        return run->run(sim::ParseScenarioText("plugins camp\n" + scenario, "still.scn"));
    }
    std::unique_ptr<sim::ScenarioRun> run;
};

} // namespace

TEST_F(StillCommandsTest, NoTextHoldsWhenNoTextOfTheLastFrameContainsIt) {
    int frame = 0;
    corvale::testing::EveryFrame(run->sim(), [&] {
        if (++frame > 1) return;
        DisplayHudText(ColouredText(TextLiteral("<FONT FACE='$title'>Moonshine Production</FONT>")),
                       0.1f, 0.1f);
    });
    const int code = play("frames 1\n"
                          "expect no-text \"Production\"\n"
                          "expect no-text \"Ledger\"\n"
                          "frames 1\n"
                          "expect no-text \"Production\"\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 2);
    EXPECT_EQ(run->failed(), 1) << "drawn during the first frame";
}

TEST_F(StillCommandsTest, ASpriteIsExpectedByTextureAndOptionallyByAlpha) {
    int frame = 0;
    corvale::testing::EveryFrame(run->sim(), [&] {
        if (++frame > 1) return;
        DrawSpriteCentred("generic_textures", "menu_bar", 0.16f, 0.85f, 0.23f, 0.0015f, 0.0f, 255,
                          255, 255, 175, false);
    });
    const int code = play("frames 1\n"
                          "expect sprite menu_bar\n"
                          "expect sprite menu_bar 175\n"
                          "expect sprite menu_bar 255\n"
                          "expect sprite generic_textures\n"
                          "frames 1\n"
                          "expect sprite menu_bar\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 2);
    EXPECT_EQ(run->failed(), 3) << "another alpha, a dictionary for a texture, a later frame";
}

TEST_F(StillCommandsTest, SoundsAreCountedByNameOverTheWholeRun) {
    int frame = 0;
    corvale::testing::EveryFrame(run->sim(), [&] {
        if (++frame <= 2) PlaySoundFrontend("NAV_LEFT", "PAUSE_MENU_SOUNDSET");
    });
    const int code = play("frames 5\n"
                          "expect sound NAV_LEFT\n"
                          "expect sound NAV_LEFT 2\n"
                          "expect sound NAV_LEFT 1\n"
                          "expect sound PAUSE_MENU_SOUNDSET\n"
                          "expect sound BACK 0\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 3);
    EXPECT_EQ(run->failed(), 2) << "a wrong count, a sound set for a name";
}

TEST_F(StillCommandsTest, TheCameraIsOnWhileAnActiveScriptedCameraIsRendered) {
    int frame = 0;
    Cam cam = 0;
    corvale::testing::EveryFrame(run->sim(), [&] {
        ++frame;
        if (frame == 2) {
            cam = CreateScriptedCamera({0, 0, 2}, {}, 60.0f, true);
            RenderScriptCameras(true, true, 500);
        }
        if (frame == 4) {
            DestroyCamera(cam);
            RenderScriptCameras(false, true, 500);
        }
    });
    const int code = play("frames 1\n"
                          "expect camera off\n"
                          "frames 1\n"
                          "expect camera on\n"
                          "expect camera off\n"
                          "frames 2\n"
                          "expect camera off\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 3);
    EXPECT_EQ(run->failed(), 1);
    EXPECT_THROW(play("expect camera maybe\n"), sim::ScenarioError);
}

TEST_F(StillCommandsTest, ThePlayerIsInCombatBetweenOnAndOff) {
    std::vector<bool> seen;
    corvale::testing::EveryFrame(
        run->sim(), [&] { seen.push_back(IsPedInCombat(run->sim().world().player.ped, 0)); });
    EXPECT_EQ(play("frames 1\nplayer combat on\nframes 2\nplayer combat off\nframes 1\n"), 0);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, true, false}));
    EXPECT_THROW(play("player combat maybe\n"), sim::ScenarioError);
}
