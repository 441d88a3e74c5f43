// Tutorials against real data files: the Lang.dat text as a help box, the log line, the
// flag written to TutorialFlags.dat, and the one-in-five return of a shown tutorial.
#include "ui/Tutorials.h"
#include "core/data/DataFiles.h"
#include "core/natives/DebugTools.h"
#include "support/GameFolder.h"
#include "ui/Notifications.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

struct TriggerTutorialTest : corvale::testing::GameFolderTest {
    void SetUp() override {
        GameFolderTest::SetUp();
        WriteFile("Corvale/Lang.dat", "tutorial.law_near_camp=The law is sniffing around.\n"
                                      "tutorial.camp_raids=Rivals are raiding your camp!\n");
        WriteFile("Corvale/GeneralMeta.dat", "");
        WriteFile("Corvale/AI.dat", "");
        WriteFile("Corvale/Savegame.dat", "");
        WriteFile("Corvale/TutorialFlags.dat", "camp_raids=1\n");
        ASSERT_TRUE(LoadDataFiles());
        // The game's draw answers what the test says, and shows the range asked.
        game.sim().natives().override(
            corvale::testing::NativeHash("GET_RANDOM_INT_IN_RANGE"),
            [this](sim::Simulator&, const sim::NativeArgs& a, sim::NativeResult& r) {
                randomRanges.emplace_back(a.i(0), a.i(1));
                r.setInt(randomAnswer);
            });
        ShowHelpText("", 0); // nothing left pending by an earlier test
    }
    void TearDown() override {
        SetDebugToolsOn(false);
        ResetDataFiles();
        GameFolderTest::TearDown();
    }
    std::vector<std::string> trigger(const char* name, bool force) {
        game.world().screen.helpTexts.clear();
        TriggerTutorial(name, force);
        FlushPendingTexts();
        // The help boxes the player sees.
        std::vector<std::string> shown;
        for (const auto& help : game.world().screen.helpTexts)
            shown.push_back(help.text);
        return shown;
    }

    int32_t randomAnswer = 0;
    std::vector<std::pair<int32_t, int32_t>> randomRanges;
};

} // namespace

TEST_F(TriggerTutorialTest, AFirstTutorialIsShownLoggedAndRemembered) {
    EXPECT_EQ(trigger("law_near_camp", false),
              (std::vector<std::string>{"The law is sniffing around."}));
    EXPECT_TRUE(randomRanges.empty()) << "no draw for a tutorial never shown";
    EXPECT_EQ(game.world().screen.helpTexts.at(0).durationMs, 10000) << "shown for 10 s";
    EXPECT_TRUE(Logged("Tutorials: triggered: law_near_camp"));
    EXPECT_NE(ReadFile("Corvale/TutorialFlags.dat").find("law_near_camp=1"), std::string::npos);
}

TEST_F(TriggerTutorialTest, AShownTutorialComesBackOnlyOnTheFifthAnswer) {
    for (int32_t answer = 0; answer <= 3; ++answer) {
        randomAnswer = answer;
        EXPECT_TRUE(trigger("camp_raids", false).empty()) << "answer " << answer;
    }
    EXPECT_FALSE(Logged("Tutorials: triggered: camp_raids"));
    randomAnswer = 4;
    EXPECT_EQ(trigger("camp_raids", false),
              (std::vector<std::string>{"Rivals are raiding your camp!"}));
    EXPECT_TRUE(Logged("Tutorials: triggered: camp_raids"));
    EXPECT_EQ(randomRanges, (std::vector<std::pair<int32_t, int32_t>>(5, {0, 5})));
}

TEST_F(TriggerTutorialTest, ForceShowsAShownTutorialWithoutADraw) {
    EXPECT_EQ(trigger("camp_raids", true).size(), 1u) << "the help box is requested";
    EXPECT_TRUE(randomRanges.empty());
    EXPECT_TRUE(Logged("Tutorials: triggered: camp_raids"));
}

TEST_F(TriggerTutorialTest, WithDebugToolsOnTheFlagIsNotWritten) {
    SetDebugToolsOn(true);
    EXPECT_EQ(trigger("law_near_camp", false).size(), 1u);
    EXPECT_FALSE(TutorialFlagsFile()->getBool("law_near_camp"));
    EXPECT_EQ(ReadFile("Corvale/TutorialFlags.dat"), "camp_raids=1\n");
}

TEST_F(TriggerTutorialTest, AMissingTextShowsNothingButIsStillLoggedAndRemembered) {
    EXPECT_TRUE(trigger("kickoff", false).empty());
    EXPECT_TRUE(Logged("Tutorials: triggered: kickoff"));
    EXPECT_TRUE(TutorialFlagsFile()->getBool("kickoff"));
}
