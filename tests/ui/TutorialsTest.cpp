// Tutorials against real data files: the Lang.dat text as a help box, the log line, the
// flag written to TutorialFlags.dat, and the one-in-five return of a shown tutorial.
#include "ui/Tutorials.h"
#include "KitHost.h"
#include "core/data/DataFiles.h"
#include "core/natives/DebugTools.h"
#include "support/GameFolder.h"
#include "ui/Notifications.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr uint64_t kRandomInt = 0xd53343aa4fb7dd28;
constexpr uint64_t kPostHelp = 0x049d5c615bd38bad;

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
        host.answer(kit::kVarString, [](const std::vector<uint64_t>& a) -> uint64_t {
            return a.at(0) == 10 ? a.at(2) : 0;
        });
        host.answer(kRandomInt, [this](const std::vector<uint64_t>& a) -> uint64_t {
            randomRanges.emplace_back(static_cast<int32_t>(a.at(0)), static_cast<int32_t>(a.at(1)));
            return static_cast<uint32_t>(randomAnswer);
        });
        // The help box shows the text its block points at, read when it is posted.
        host.answer(kPostHelp, [this](const std::vector<uint64_t>& a) -> uint64_t {
            const uint64_t* content = reinterpret_cast<const uint64_t*>(a.at(1));
            shown.push_back(kit::S(content[1]));
            return 1;
        });
        ShowHelpText("", 0); // nothing left pending by an earlier test
    }
    void TearDown() override {
        SetDebugToolsOn(false);
        ResetDataFiles();
        GameFolderTest::TearDown();
    }
    std::vector<std::string> trigger(const char* name, bool force) {
        shown.clear();
        TriggerTutorial(name, force);
        FlushPendingTexts();
        return shown;
    }

    int32_t randomAnswer = 0;
    std::vector<std::pair<int32_t, int32_t>> randomRanges;
    std::vector<std::string> shown;
};

} // namespace

TEST_F(TriggerTutorialTest, AFirstTutorialIsShownLoggedAndRemembered) {
    EXPECT_EQ(trigger("law_near_camp", false),
              (std::vector<std::string>{"The law is sniffing around."}));
    EXPECT_TRUE(randomRanges.empty()) << "no draw for a tutorial never shown";
    const auto help = host.callsTo(kPostHelp).at(0);
    EXPECT_EQ(reinterpret_cast<const uint64_t*>(help.args[0])[0], 10000u);
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
