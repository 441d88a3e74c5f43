// The camp script's start-up and frame loop: order of work, containment of a frame's
// exception, autosave, the throw sampler and the developer toggle.
#include "core/data/DataFiles.h"
#include "core/data/Settings.h"
#include "core/input/KeyStateTable.h"
#include "core/runtime/DeveloperTools.h"
#include "core/runtime/ScriptMain.h"
#include "core/runtime/Session.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/NamedTimers.h"
#include "support/FakeHost.h"
#include "support/GameFolder.h"

#include <stdexcept>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::GameFolderTest;

namespace {

constexpr uint64_t kGameTimer = 0x4f67e8eca7d3f667;
constexpr uint64_t kTextureLoaded = 0x54d6900929ccf162;
constexpr uint64_t kIsPedShooting = 0x34616828cd07f1a1;
constexpr uint64_t kIsThrownWeapon = 0x5809dbca0a37c82b;
constexpr uint64_t kCurrentWeapon = 0x3a87e44bb9a01d54;
constexpr uint64_t kLastImpact = 0x6c4d0409ba1a2bc2;
constexpr uint64_t kSetInvincible = 0xa5c38736c426fcb8;

struct RecordingSession final : Session {
    std::vector<std::string> steps;
    std::vector<std::string> messages;
    bool throwInMissions = false;
    void createWorld() override { steps.push_back("create"); }
    void runWhistleDetector() override { steps.push_back("whistle"); }
    void flushPendingTexts() override { steps.push_back("flush"); }
    void tickMissions() override {
        steps.push_back("missions");
        if (throwInMissions) throw std::runtime_error("boom");
    }
    void tickCampManager() override { steps.push_back("camp"); }
    void showMessage(const char* text) override { messages.push_back(text); }
    void drawDebugText(const char* text) override { steps.push_back(std::string("debug ") + text); }
    void toggleDebugMission() override { steps.push_back("debug mission"); }
};

class FrameLoopTest : public GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        // The game folder's clock, answered by the fake host that stands over it.
        host.local = std::tm{};
        host.local.tm_mday = 6;
        host.local.tm_mon = 11;
        host.local.tm_year = 126;
        host.local.tm_hour = 9;
        host.local.tm_min = 5;
        host.local.tm_sec = 3;
        ResetDataFiles();
        SetDebugToolsOn(false);
        ResetKeyStates();
        host.answer(kGameTimer, [this](const auto&) { return static_cast<uint64_t>(timer); });
        host.answer(kTextureLoaded, 1);
        for (const char* name :
             {"Lang.dat", "GeneralMeta.dat", "AI.dat", "Savegame.dat", "TutorialFlags.dat"})
            WriteFile(std::string("Corvale/") + name, "");
    }
    void TearDown() override {
        ResetDataFiles();
        GameFolderTest::TearDown();
    }
    void frame(int ms = 33) {
        timer += ms;
        host.tick += static_cast<uint32_t>(ms);
        RunFrame(session);
    }
    uint32_t timer = 0;
    RecordingSession session;
    corvale::testing::FakeHost host; // installed over the game folder's simulator
};

} // namespace

TEST_F(FrameLoopTest, StartUpLogsTheBannerWaitsForTheBlipTexturesAndCreatesTheWorld) {
    int polls = 0;
    host.answer(kTextureLoaded, [&](const auto&) { return ++polls > 400 ? 1u : 0u; });
    ASSERT_TRUE(Initialize(session));
    EXPECT_GE(host.waits, 400u) << "the blip textures are waited for without a limit";
    const auto log = LogMessages();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "");
    EXPECT_EQ(log[1], "Corvale Camp - BETA 0.1.0 ");
    EXPECT_EQ(log[2], "if you want to report an issue, please attach this file's contents.");
    EXPECT_EQ(log[3], std::string(75, '='));
    EXPECT_TRUE(Logged("loading blips_mp texture dict"));
    EXPECT_TRUE(Logged("initialization completed"));
    EXPECT_EQ(session.steps, (std::vector<std::string>{"create"}));
    EXPECT_FALSE(SettingBool("DevTools"));
    EXPECT_TRUE(SettingBool("UseMpAssets"));
    EXPECT_TRUE(SettingBool("DebugLogs"));
}

TEST_F(FrameLoopTest, AMissingSaveFileStopsStartUpBeforeTheWorldExists) {
    std::filesystem::remove("Corvale/Savegame.dat");
    EXPECT_FALSE(Initialize(session));
    EXPECT_TRUE(session.steps.empty());
    EXPECT_FALSE(Logged("initialization completed"));
}

TEST_F(FrameLoopTest, AMissingTutorialFileDoesNotStopStartUp) {
    std::filesystem::remove("Corvale/TutorialFlags.dat");
    EXPECT_TRUE(Initialize(session));
}

TEST_F(FrameLoopTest, UseMpAssetsOffIsLoggedAndAMistypedValueKeepsItOn) {
    WriteFile("Corvale/Settings.ini", "UseMpAssets=0\n");
    ASSERT_TRUE(Initialize(session));
    EXPECT_TRUE(Logged("UseMpAssets is OFF"));
    ResetDataFiles();
    WriteFile("Corvale/Settings.ini", "UseMpAssets=yes\n");
    EXPECT_TRUE(Initialize(session));
}

TEST_F(FrameLoopTest, GuardedWorkRunsInItsOrder) {
    ASSERT_TRUE(Initialize(session));
    session.steps.clear();
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"whistle", "flush", "missions", "camp"}));
}

TEST_F(FrameLoopTest, AnExceptionSkipsTheRestOfThatFrameOnly) {
    ASSERT_TRUE(Initialize(session));
    session.steps.clear();
    session.throwInMissions = true;
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"whistle", "flush", "missions"}));
    EXPECT_EQ(session.messages,
              (std::vector<std::string>{"Fatal: boom, check the logs for more info."}));
    EXPECT_TRUE(Logged("Something wrong happened"));
    EXPECT_TRUE(Logged("Fatal: boom, check the logs for more info."));
    session.steps.clear();
    session.throwInMissions = false;
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"whistle", "flush", "missions", "camp"}));
    EXPECT_EQ(session.messages.size(), 1u);
}

TEST_F(FrameLoopTest, ANonNumericDevToolsIsContainedEveryFrame) {
    WriteFile("Corvale/Settings.ini", "DevTools=yes\n");
    ASSERT_TRUE(Initialize(session));
    frame();
    frame();
    EXPECT_EQ(session.messages,
              (std::vector<std::string>(
                  2, "Fatal: invalid stoi argument, check the logs for more info.")));
}

TEST_F(FrameLoopTest, ADirtySaveIsWrittenWhenTheAutosavePeriodHasPassed) {
    WriteFile("Corvale/GeneralMeta.dat", "auto_save_frequency_seconds=30\n");
    ASSERT_TRUE(Initialize(session));
    session.timers().timerFor("autosave");
    SavegameFile()->setInt("operation.location", 3);
    for (int ms = 0; ms < 29000; ms += 1000)
        frame(1000);
    EXPECT_FALSE(Logged("Autosaving..."));
    frame(1000);
    EXPECT_TRUE(Logged("Autosaving..."));
    EXPECT_EQ(ReadFile("Corvale/Savegame.dat"), "operation.location=3\n");
    EXPECT_FALSE(SavegameFile()->isDirty());
}

TEST_F(FrameLoopTest, ACleanSaveIsNotWrittenButTheTimerStillRestarts) {
    ASSERT_TRUE(Initialize(session));
    GameTimer& autosave = session.timers().timerFor("autosave");
    for (int i = 0; i < 31; ++i)
        frame(1000);
    EXPECT_FALSE(Logged("Autosaving..."));
    EXPECT_LT(autosave.elapsedSeconds(), 2);
}

TEST_F(FrameLoopTest, AThrowLandingThreeFramesLaterIsPublishedOnThatFrameOnly) {
    const uint32_t knife = 0x1234;
    int frameNo = 0;
    host.answer(kIsPedShooting, [&](const auto&) { return frameNo == 1 ? 1u : 0u; });
    host.answer(kIsThrownWeapon, 1);
    host.answer(kCurrentWeapon, [&](const auto& args) {
        *reinterpret_cast<uint32_t*>(args[1]) = knife;
        return 1u;
    });
    host.answer(kLastImpact, [&](const auto& args) {
        if (frameNo < 4) return 0u;
        auto* out = reinterpret_cast<Vector3*>(args[1]);
        *out = Vector3{10.0f, 20.0f, 1.0f};
        return 1u;
    });
    std::vector<bool> published;
    ThrowImpactSampler sampler;
    for (frameNo = 1; frameNo <= 6; ++frameNo) {
        sampler.sample(1);
        published.push_back(sampler.hasImpact());
    }
    EXPECT_EQ(published, (std::vector<bool>{false, false, false, true, false, false}));
}

TEST_F(FrameLoopTest, F2TogglesTheDebugToolsOnlyWhenDevToolsIsOn) {
    ASSERT_TRUE(Initialize(session));
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_FALSE(DebugToolsOn()) << "DevTools is off by default";
    ResetDataFiles();
    WriteFile("Corvale/Settings.ini", "[Corvale]\nDevTools=1\n");
    ASSERT_TRUE(Initialize(session));
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_TRUE(DebugToolsOn());
    EXPECT_EQ(session.messages.back(), "Debug tools ON");
    EXPECT_FALSE(host.callsTo(kSetInvincible).empty());
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_FALSE(DebugToolsOn());
    EXPECT_EQ(session.messages.back(), "Debug tools OFF");
}
