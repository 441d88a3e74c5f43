// Text, sprites and the menu kit on the simulated screen: what is drawn each frame, read
// from the game's controls, held open without allocating, and pictured by a snapshot.
#include "Hash.h"
#include "core/draw/ScreenDraw.h"
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"
#include "support/KitFeed.h"
#include "support/MenuEntryShape.h"
#include "ui/MenuList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

using namespace corvale;
using corvale::testing::kMenuEntryShape;

namespace {

// The menu of the story: a free location, one the player cannot pay, one for sale.
struct LocationMenu {
    MenuList list;
    std::vector<int32_t> picked;

    LocationMenu() {
        const char* labels[] = {"Tall Trees", "Heartlands", "Bluewater Marsh"};
        const float prices[] = {0.0f, 0.0f, 7.5f};
        for (int i = 0; i < 3; ++i) {
            auto& e =
                list.add(std::make_unique<ShopMenuInput>(i, labels[i], prices[i], kMenuEntryShape));
            e.acceptCallback = [this](MenuInput& entry) { picked.push_back(entry.id); };
        }
        list.itemAt(0)->setTicked(true);
        list.itemAt(1)->setDisabled(true);
        list.setTop(0.14f);
        list.selectFirst();
    }
    void draw() {
        DrawText("Choose a location", 0.14f, 0.0685f, 229, 229, 229, 255, true, 0.6f, 0.6f,
                 "$title");
        list.update();
    }
};

struct ScreenTest : ::testing::Test {
    void SetUp() override {
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        corvale::host::Install(corvale::host::PlatformHost());
        simulator->world().player.cashCents = 10000;
    }
    sim::Screen& screen() { return simulator->world().screen; }
    void press(const char* control) {
        simulator->world().controls.queued.insert(sim::GameHash(control));
    }
    std::unique_ptr<sim::Simulator> simulator;
    Notifications notes;
};

} // namespace

TEST_F(ScreenTest, AMenuHeldOpenAllocatesNothingFrameAfterFrame) {
    LocationMenu menu;
    corvale::testing::EveryFrame(*simulator, [&] {
        menu.draw();
        DrawDebugText(1.25f);
        notes.flushPendingTexts();
    });
    simulator->runFrames(120);
    const auto& frames = simulator->figures().frames("unknown");
    ASSERT_EQ(frames.size(), 120u);
    for (size_t i = 0; i < frames.size(); ++i)
        ASSERT_EQ(frames[i].allocs, 0u) << "frame " << i + 1;
    EXPECT_GT(frames.back().natives, 50u) << "the menu was drawn";
    EXPECT_EQ(screen().texts.size(), 7u); // title, three labels, price dollars and cents, debug
    std::ostringstream stats;
    simulator->figures().writeStats(stats);
    std::cout << stats.str();
    EXPECT_NE(stats.str().find("stats unknown allocs 0.00 0.00 0.00"), std::string::npos);
}

TEST_F(ScreenTest, TheGamesControlsMoveTheSelectionAndAccept) {
    LocationMenu menu;
    corvale::testing::EveryFrame(*simulator, [&] { menu.draw(); });
    simulator->runFrame();
    ASSERT_EQ(menu.list.selectedIndex(), 0);
    press("INPUT_FRONTEND_DOWN");
    simulator->runFrame();
    EXPECT_EQ(menu.list.selectedIndex(), 2) << "the disabled entry is skipped";
    simulator->runFrame();
    EXPECT_EQ(menu.list.selectedIndex(), 2) << "a tap is read during one frame only";
    press("INPUT_FRONTEND_ACCEPT");
    simulator->runFrame();
    EXPECT_EQ(menu.picked, (std::vector<int32_t>{2}));
    press("INPUT_INSPECT_OPEN_SATCHEL");
    simulator->runFrame();
    EXPECT_EQ(menu.list.selectedIndex(), 0);
    std::vector<std::string> sounds;
    for (const auto& s : screen().sounds)
        sounds.push_back(s.sound);
    EXPECT_EQ(sounds, (std::vector<std::string>{"INFO", "SELECT", "INFO"}));
}

TEST_F(ScreenTest, AnEntryTooDearForThePlayerIsDimmedOnScreen) {
    simulator->world().player.cashCents = 500;
    LocationMenu menu;
    corvale::testing::EveryFrame(*simulator, [&] { menu.draw(); });
    simulator->runFrame();
    EXPECT_TRUE(menu.list.itemAt(2)->disabled());
    const auto& texts = screen().texts;
    auto label = std::find_if(texts.begin(), texts.end(),
                              [](const sim::DrawnText& t) { return t.text == "Bluewater Marsh"; });
    ASSERT_NE(label, texts.end());
    EXPECT_EQ(label->colour.a, 100) << "dimmed in the frame it became too dear";
}

TEST(ScreenSnapshot, AMenuOfThreeEntriesIsPicturedWithItsTextsAndPrice) {
    const std::string dir = ::testing::TempDir() + "corvale-snapshots";
    std::filesystem::remove_all(dir);
    sim::RunSettings settings = corvale::testing::BuiltPluginSettings();
    settings.snapshotDir = dir;
    sim::ScenarioRun run(settings);
    corvale::host::Install(corvale::host::PlatformHost());
    LocationMenu menu;
    corvale::testing::EveryFrame(run.sim(), [&] { menu.draw(); });
    const int code = run.run(sim::ParseScenarioText("player cash 10000\n"
                                                    "frames 2\n"
                                                    "snapshot location_menu\n"
                                                    "expect text \"Bluewater\"\n"
                                                    "expect text \"$7\"\n"
                                                    "expect text \"Nowhere\"\n",
                                                    "menu.scn"));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run.passed(), 2);
    EXPECT_EQ(run.failed(), 1);
    std::ifstream in(dir + "/location_menu.svg");
    ASSERT_TRUE(in) << "no snapshot written";
    std::stringstream svg;
    svg << in.rdbuf();
    const std::string s = svg.str();
    EXPECT_NE(s.find("viewBox=\"0 0 1280 720\""), std::string::npos);
    for (const char* text : {">Tall Trees<", ">Heartlands<", ">Bluewater Marsh<", ">$7<", ">50<",
                             ">Choose a location<", ">selection_box_bg_1d<", ">tick<",
                             ">crafting_highlight_t<", ">divider_line<"})
        EXPECT_NE(s.find(text), std::string::npos) << text << " missing from the snapshot";
    // The disabled entry's label is dimmed; the title is drawn larger than the labels.
    EXPECT_NE(s.find("fill-opacity=\"0.392\">Heartlands<"), std::string::npos);
    EXPECT_NE(s.find("font-size=\"19.4\" fill=\"rgb(229,229,229)\" fill-opacity=\"1.000\">Choose"),
              std::string::npos);
}

TEST(ScreenTrace, HelpTextsToastsFeedEntriesAndCashAreTraced) {
    sim::RunSettings settings = corvale::testing::BuiltPluginSettings();
    settings.options.trace = true;
    sim::ScenarioRun run(settings);
    corvale::host::Install(corvale::host::PlatformHost());
    Notifications notes;
    int frame = 0;
    corvale::testing::EveryFrame(run.sim(), [&] {
        if (++frame != 1) return;
        notes.showHelpText("Pick a camp", 5000);
        notes.queueToast("Moonshine", "The camp moved", "blips_mp", "blip_business_moonshine",
                         5000);
        notes.showCashChange(-250, 1000);
        notes.flushPendingTexts();
    });
    ::testing::internal::CaptureStdout();
    const int code = run.run(sim::ParseScenarioText("player cash 500\nframes 30\n"
                                                    "expect help \"Pick a camp\" 1\n"
                                                    "expect toast \"Moonshine\"\n"
                                                    "expect toast \"Shine\"\n",
                                                    "trace.scn"));
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(code, 1) << out;
    EXPECT_EQ(run.failed(), 1);
    EXPECT_NE(out.find("help: Pick a camp (5000 ms)"), std::string::npos) << out;
    EXPECT_NE(out.find("toast: Moonshine / The camp moved [blips_mp blip_business_moonshine]"),
              std::string::npos);
    EXPECT_NE(out.find("feed: cash $2.50 colour COLOR_RED"), std::string::npos);
    EXPECT_NE(out.find("cash: 500 cents"), std::string::npos);
    EXPECT_NE(out.find("FAIL trace.scn:5 expect toast Shine: found \"Moonshine\""),
              std::string::npos);
}
