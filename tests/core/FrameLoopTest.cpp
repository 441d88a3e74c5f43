// The camp script's start-up and frame loop: order of work, containment of a frame's
// exception, autosave, the throw sampler and the developer toggle.
#include "Hash.h"
#include "core/data/GameData.h"
#include "core/input/KeyStateTable.h"
#include "core/runtime/DeveloperTools.h"
#include "core/runtime/ScriptMain.h"
#include "core/runtime/Session.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "core/timers/NamedTimers.h"
#include "support/GameFolder.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::GameFolderTest;

namespace {

struct RecordingSession final : Session {
    std::vector<std::string> steps;
    std::vector<std::string> messages;
    bool throwInSecond = false;
    void createWorld() override { steps.push_back("create"); }
    // A plug-in's frame of three steps, the second of which may throw.
    void runFrame() override {
        steps.push_back("first");
        steps.push_back("second");
        if (throwInSecond) throw std::runtime_error("boom");
        steps.push_back("third");
    }
    void showMessage(const char* text) override { messages.push_back(text); }
    void drawDebugText(const char* text) override { steps.push_back(std::string("debug ") + text); }
    void runDebugAction() override { steps.push_back("debug action"); }
};

class FrameLoopTest : public GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        ResetKeyStates();
        for (const char* name :
             {"Lang.dat", "GeneralMeta.dat", "AI.dat", "Savegame.dat", "TutorialFlags.dat"})
            WriteFile(std::string("Corvale/") + name, "");
    }
    // Start-up runs as the camp's script does, waiting frame by frame; its answer.
    bool Initialize(RecordingSession& s, uint64_t frameLimit = 100) {
        bool ok = false;
        game.start([&] { ok = corvale::Initialize(s); });
        game.runUntilFinished(frameLimit);
        EXPECT_TRUE(game.finished()) << "start-up still waiting";
        return ok;
    }
    bool Initialize() { return Initialize(session); }
    // One pass of the frame loop after ms of game time.
    void frame(int ms, RecordingSession& s) {
        game.world().gameTimer += ms;
        RunFrame(s);
    }
    void frame(int ms = 33) { frame(ms, session); }
    // The camp moved after start-up, and 29 s of a 30 s autosave period have gone by.
    void changeTheSaveASecondBeforeTheAutosave(RecordingSession& s) {
        s.timers().timerFor("autosave");
        s.data().savegameFile()->setInt("operation.location", 3);
        for (int ms = 0; ms < 29000; ms += 1000)
            frame(1000, s);
    }
    RecordingSession session;
};

} // namespace

TEST_F(FrameLoopTest, StartUpLogsTheBannerWaitsForTheBlipTexturesAndCreatesTheWorld) {
    ASSERT_TRUE(Initialize());
    EXPECT_FALSE(Logged("gave up waiting for the blips_mp texture dict, going on without its "
                        "sprites"));
    const auto log = LogMessages();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "");
    EXPECT_EQ(log[1], "Corvale Camp - BETA 0.1.0 ");
    EXPECT_EQ(log[2], "if you want to report an issue, please attach this file's contents.");
    EXPECT_EQ(log[3], std::string(75, '='));
    EXPECT_TRUE(Logged("loading blips_mp texture dict"));
    EXPECT_TRUE(Logged("initialization completed"));
    EXPECT_EQ(session.steps, (std::vector<std::string>{"create"}));
    EXPECT_FALSE(session.data().settings().getBool("DevTools"));
    EXPECT_TRUE(session.data().settings().getBool("UseMpAssets"));
    EXPECT_TRUE(session.data().settings().getBool("DebugLogs"));
}

TEST_F(FrameLoopTest, BlipTexturesThatNeverLoadAreWaitedForTenSecondsThenGoneWithout) {
    bool ok = false;
    game.world().streaming.never.insert(sim::GameHash("blips_mp"));
    game.start([&] { ok = corvale::Initialize(session); });
    game.runUntilFinished(250); // 8.25 s of frames
    EXPECT_FALSE(game.finished());
    EXPECT_FALSE(Logged("initialization completed"));
    game.runUntilFinished(100);
    ASSERT_TRUE(game.finished());
    EXPECT_TRUE(ok);
    EXPECT_TRUE(Logged("gave up waiting for the blips_mp texture dict, going on without its "
                       "sprites"));
    EXPECT_TRUE(Logged("initialization completed"));
    EXPECT_EQ(session.steps, (std::vector<std::string>{"create"}));
}

TEST_F(FrameLoopTest, ALogOverAMegabyteIsSetAsideBeforeTheBanner) {
    const std::string earlier(1024 * 1024 + 1, 'x');
    WriteFile("Corvale/Camp.log", earlier);
    WriteFile("Corvale/Camp.old.log", "the run before");
    ASSERT_TRUE(Initialize());
    EXPECT_EQ(ReadFile("Corvale/Camp.old.log"), earlier);
    const auto log = LogMessages();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], "Corvale Camp - BETA 0.1.0 ") << "the new log starts with the banner";
}

TEST_F(FrameLoopTest, ALogOfAMegabyteIsWrittenOn) {
    const std::string earlier(1024 * 1024 - 1, 'x');
    WriteFile("Corvale/Camp.log", earlier + "\n");
    ASSERT_TRUE(Initialize());
    EXPECT_FALSE(std::filesystem::exists("Corvale/Camp.old.log"));
    EXPECT_EQ(ReadFile("Corvale/Camp.log").substr(0, earlier.size() + 1), earlier + "\n");
}

TEST_F(FrameLoopTest, AMissingSaveFileStopsStartUpBeforeTheWorldExists) {
    std::filesystem::remove("Corvale/Savegame.dat");
    EXPECT_FALSE(Initialize());
    EXPECT_TRUE(session.steps.empty());
    EXPECT_FALSE(Logged("initialization completed"));
}

TEST_F(FrameLoopTest, AMissingTutorialFileDoesNotStopStartUp) {
    std::filesystem::remove("Corvale/TutorialFlags.dat");
    EXPECT_TRUE(Initialize());
}

TEST_F(FrameLoopTest, UseMpAssetsOffIsLoggedAndAMistypedValueKeepsItOn) {
    WriteFile("Corvale/Settings.ini", "UseMpAssets=0\n");
    ASSERT_TRUE(Initialize());
    EXPECT_TRUE(Logged("UseMpAssets is OFF"));
    WriteFile("Corvale/Settings.ini", "UseMpAssets=yes\n");
    EXPECT_TRUE(Initialize());
}

TEST_F(FrameLoopTest, ThePlugInsFrameRunsOncePerFrame) {
    ASSERT_TRUE(Initialize());
    session.steps.clear();
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"first", "second", "third"}));
    frame();
    EXPECT_EQ(session.steps.size(), 6u);
}

TEST_F(FrameLoopTest, AnExceptionSkipsTheRestOfThatFrameOnly) {
    ASSERT_TRUE(Initialize());
    session.steps.clear();
    session.throwInSecond = true;
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(session.messages,
              (std::vector<std::string>{"Fatal: boom, check the logs for more info."}));
    EXPECT_TRUE(Logged("Something wrong happened"));
    EXPECT_TRUE(Logged("Fatal: boom, check the logs for more info."));
    session.steps.clear();
    session.throwInSecond = false;
    frame();
    EXPECT_EQ(session.steps, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(session.messages.size(), 1u);
}

// The save is written after the plug-in's frame, with what it changed; a frame that threw
// leaves it for the next.
TEST_F(FrameLoopTest, AFrameThatThrowsSkipsThatFramesAutosaveOnly) {
    WriteFile("Corvale/GeneralMeta.dat", "auto_save_frequency_seconds=30\n");
    ASSERT_TRUE(Initialize());
    changeTheSaveASecondBeforeTheAutosave(session);
    session.throwInSecond = true;
    frame(1000);
    EXPECT_FALSE(Logged("Autosaving..."));
    session.throwInSecond = false;
    frame(1000);
    EXPECT_TRUE(Logged("Autosaving..."));
    EXPECT_EQ(ReadFile("Corvale/Savegame.dat"), "operation.location=3\n");
}

TEST_F(FrameLoopTest, ANonNumericDevToolsReadsAsOffAndIsLoggedOnceNotEveryFrame) {
    WriteFile("Corvale/Settings.ini", "DevTools=yes\n");
    ASSERT_TRUE(Initialize());
    for (int i = 0; i < 100; ++i)
        frame();
    EXPECT_TRUE(session.messages.empty());
    const auto log = LogMessages();
    EXPECT_EQ(
        std::count(log.begin(), log.end(), "Settings.ini: DevTools is not a number: yes, using 0"),
        1);
    EXPECT_FALSE(Logged("Something wrong happened"));
}

TEST_F(FrameLoopTest, AnAutosavePeriodThatIsNoNumberIsTheShippedThirtySeconds) {
    for (const char* period : {"abc", "nan", "inf", "99999999999"}) {
        SCOPED_TRACE(period);
        std::filesystem::remove("Corvale/Camp.log");
        WriteFile("Corvale/GeneralMeta.dat",
                  std::string("auto_save_frequency_seconds=") + period + "\n");
        RecordingSession fresh;
        ASSERT_TRUE(Initialize(fresh));
        changeTheSaveASecondBeforeTheAutosave(fresh);
        EXPECT_FALSE(Logged("Autosaving..."));
        frame(1000, fresh);
        EXPECT_TRUE(Logged("Autosaving..."));
        EXPECT_EQ(ReadFile("Corvale/Savegame.dat"), "operation.location=3\n");
        EXPECT_TRUE(fresh.messages.empty()) << fresh.messages.front();
        const auto log = LogMessages();
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [](const std::string& line) {
                                    return line.find("auto_save_frequency_seconds is not a "
                                                     "number that can be used") !=
                                           std::string::npos;
                                }),
                  1);
        WriteFile("Corvale/Savegame.dat", "");
    }
}

TEST_F(FrameLoopTest, ADirtySaveIsWrittenWhenTheAutosavePeriodHasPassed) {
    WriteFile("Corvale/GeneralMeta.dat", "auto_save_frequency_seconds=30\n");
    ASSERT_TRUE(Initialize());
    changeTheSaveASecondBeforeTheAutosave(session);
    EXPECT_FALSE(Logged("Autosaving..."));
    frame(1000);
    EXPECT_TRUE(Logged("Autosaving..."));
    EXPECT_EQ(ReadFile("Corvale/Savegame.dat"), "operation.location=3\n");
    EXPECT_FALSE(session.data().savegameFile()->isDirty());
}

TEST_F(FrameLoopTest, ACleanSaveIsNotWrittenButTheTimerStillRestarts) {
    ASSERT_TRUE(Initialize());
    GameTimer& autosave = session.timers().timerFor("autosave");
    for (int i = 0; i < 31; ++i)
        frame(1000);
    EXPECT_FALSE(Logged("Autosaving..."));
    EXPECT_LT(autosave.elapsedSeconds(), 2);
}

TEST_F(FrameLoopTest, AThrowLandingThreeFramesLaterIsPublishedOnThatFrameOnly) {
    // The player throws a knife on frame 1; the game reports where it landed on frame 4 only.
    sim::World& w = game.world();
    w.player.weapon = sim::GameHash("WEAPON_THROWN_THROWING_KNIVES");
    w.hashNames[w.player.weapon] = "WEAPON_THROWN_THROWING_KNIVES";
    std::vector<bool> published;
    ThrowImpactSampler sampler;
    for (int frameNo = 1; frameNo <= 6; ++frameNo) {
        ++w.frame;
        if (frameNo == 1) w.player.shootingFrame = w.frame;
        if (frameNo == 4) {
            w.weapons.impact = sim::Vec3{10.0f, 20.0f, 1.0f};
            w.weapons.impactFrame = w.frame;
        }
        sampler.sample(w.player.ped);
        published.push_back(sampler.hasImpact());
    }
    EXPECT_EQ(published, (std::vector<bool>{false, false, false, true, false, false}));
}

TEST_F(FrameLoopTest, F2TogglesTheDebugToolsOnlyWhenDevToolsIsOn) {
    ASSERT_TRUE(Initialize());
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_FALSE(session.debugTools().on()) << "DevTools is off by default";
    WriteFile("Corvale/Settings.ini", "[Corvale]\nDevTools=1\n");
    ASSERT_TRUE(Initialize());
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_TRUE(session.debugTools().on());
    EXPECT_EQ(session.messages.back(), "Debug tools ON");
    EXPECT_GE(game.callsOf("SET_ENTITY_INVINCIBLE"), 1u);
    OnKeyboardMessage(113, 1, 0, 0, 0, 1, 1);
    frame(10);
    EXPECT_FALSE(session.debugTools().on());
    EXPECT_EQ(session.messages.back(), "Debug tools OFF");
}
