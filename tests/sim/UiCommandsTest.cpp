// Scenario commands of the screen, controls, cash, items and streaming: what they set up
// in the world and what their expectations hold.
#include "Hash.h"
#include "core/natives/NativeCall.h"
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"
#include "support/KitFeed.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace corvale;

namespace {

const uint64_t kJustPressed = corvale::testing::NativeHash("IS_CONTROL_JUST_PRESSED");
const uint64_t kPressed = corvale::testing::NativeHash("IS_CONTROL_PRESSED");
const uint64_t kTextureDictLoaded =
    corvale::testing::NativeHash("HAS_STREAMED_TEXTURE_DICT_LOADED");
const uint64_t kRequestTextureDict = corvale::testing::NativeHash("REQUEST_STREAMED_TEXTURE_DICT");
const uint32_t kAccept = sim::GameHash("INPUT_FRONTEND_ACCEPT");

struct UiCommandsTest : ::testing::Test {
    void SetUp() override {
        run = std::make_unique<sim::ScenarioRun>(corvale::testing::BuiltPluginSettings());
        corvale::host::Install(corvale::host::PlatformHost());
    }
    int play(const std::string& scenario) {
        return run->run(sim::ParseScenarioText(scenario, "ui.scn"));
    }
    std::unique_ptr<sim::ScenarioRun> run;
    Notifications notes;
};

} // namespace

TEST_F(UiCommandsTest, AControlReadsAsTappedDuringTheNextFrameOnly) {
    std::vector<std::string> seen;
    corvale::testing::EveryFrame(run->sim(), [&] {
        std::string frame;
        frame += Invoke<bool>(kJustPressed, 0, kAccept) ? "P" : "-";
        frame += Invoke<bool>(kPressed, 0, kAccept) ? "H" : "-";
        seen.push_back(frame);
    });
    EXPECT_EQ(
        play("frames 1\ncontrol INPUT_FRONTEND_ACCEPT\nframes 2\ncontrol 0xC7B5340A\nframes 1\n"),
        0);
    EXPECT_EQ(seen, (std::vector<std::string>{"--", "PH", "--", "PH"}));
}

TEST_F(UiCommandsTest, CashAndItemsAreSetAndExpected) {
    const int code = play("player cash 12550\n"
                          "player item consumable_herb_wild_mint 3\n"
                          "expect cash 12550\n"
                          "expect item consumable_herb_wild_mint 3\n"
                          "expect item CONSUMABLE_HERB_WILD_MINT 3\n"
                          "expect item consumable_herb_ginseng 0\n"
                          "player item consumable_herb_wild_mint 0\n"
                          "expect item consumable_herb_wild_mint 0\n"
                          "expect cash 100\n"
                          "expect item consumable_herb_ginseng 2\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 5);
    EXPECT_EQ(run->failed(), 2);
    EXPECT_EQ(run->sim().world().player.cashCents, 12550);
}

TEST_F(UiCommandsTest, MessagesHelpTextsAndToastsAreCountedByExactText) {
    int frame = 0;
    corvale::testing::EveryFrame(run->sim(), [&] {
        ++frame;
        if (frame <= 2) {
            notes.showMessage("Debug tools ON");
            notes.showHelpText("Pick a camp", 5000);
        }
        if (frame == 3)
            notes.queueToast("Moonshine", "Ready", "blips_mp", "blip_business_moonshine", 5000);
        notes.flushPendingTexts();
    });
    const int code = play("frames 30\n"
                          "expect message \"Debug tools ON\" 2\n"
                          "expect message \"Debug tools\"\n"
                          "expect help \"Pick a camp\"\n"
                          "expect help \"Pick a camp\" 2\n"
                          "expect help \"Pick a camp\" 1\n"
                          "expect toast \"Moonshine\" 1\n"
                          "expect toast \"Ready\"\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run->passed(), 4);
    EXPECT_EQ(run->failed(), 3) << "a part of the text, a wrong count, a body for a title";
}

TEST_F(UiCommandsTest, ADictionaryMadeNeverToLoadStaysUnloaded) {
    std::vector<bool> mp, never;
    corvale::testing::EveryFrame(run->sim(), [&] {
        Invoke(kRequestTextureDict, "blips_mp", false);
        Invoke(kRequestTextureDict, "menu_textures", false);
        mp.push_back(Invoke<bool>(kTextureDictLoaded, "blips_mp"));
        never.push_back(Invoke<bool>(kTextureDictLoaded, "menu_textures"));
    });
    EXPECT_EQ(play("stream never MENU_TEXTURES\nframes 10\n"), 0);
    EXPECT_FALSE(mp.front()) << "a dictionary takes a few frames to load";
    EXPECT_TRUE(mp.back());
    EXPECT_EQ(std::count(never.begin(), never.end(), true), 0);
    EXPECT_THROW(play("stream sometimes blips_mp\n"), sim::ScenarioError);
}

TEST_F(UiCommandsTest, ASnapshotWithoutASnapshotFolderWritesNothing) {
    EXPECT_EQ(play("frames 1\nsnapshot menu\n"), 0);
    EXPECT_FALSE(std::filesystem::exists(run->gamePath("menu.svg")));
    EXPECT_THROW(play("snapshot ../menu\n"), sim::ScenarioError);
}
