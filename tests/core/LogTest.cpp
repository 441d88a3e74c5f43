// The camp log: entry layout, appending, staying silent when it cannot or must not write, and
// bounds on how much a burst or the game runs add to it.
#include "core/log/Log.h"
#include "core/log/LogLimit.h"
#include "support/GameFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

class LogTest : public corvale::testing::GameFolderTest {};

TEST_F(LogTest, AnEntryIsTheTimestampWithoutLeadingZerosTheTextAndALineFeed) {
    Log("camp set created");
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[6/12/2026 9:5:3] camp set created\n");
}

TEST_F(LogTest, TheTimestampUsesTheCalendarMonthAndTheFullYear) {
    // 18 days, 14 h 53 min 57 s of game time later: Christmas Eve, a minute to midnight.
    game.world().gameTimer = 1608837000;
    Log("x");
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[24/12/2026 23:59:0] x\n");
}

TEST_F(LogTest, EntriesAreAppendedInCallOrder) {
    WriteFile("Corvale/Camp.log", "earlier run\n");
    Log("first");
    Log(std::string("second"));
    EXPECT_EQ(ReadFile("Corvale/Camp.log"),
              "earlier run\n[6/12/2026 9:5:3] first\n[6/12/2026 9:5:3] second\n");
}

TEST_F(LogTest, AnEmptyMessageIsThePrefixAndALineFeed) {
    Log("");
    Log(std::string());
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[6/12/2026 9:5:3] \n[6/12/2026 9:5:3] \n");
}

TEST_F(LogTest, LineFeedsInsideTheMessageAreWrittenAsTheyAre) {
    Log("\nCorvale Camp - BETA 0.1.0 \nplease attach this file.\n===");
    EXPECT_EQ(ReadFile("Corvale/Camp.log"),
              "[6/12/2026 9:5:3] \nCorvale Camp - BETA 0.1.0 \nplease attach this file.\n===\n");
}

TEST_F(LogTest, AnOwnedStringKeepsBytesAfterANul) {
    Log(std::string("a\0b", 3));
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), std::string("[6/12/2026 9:5:3] a\0b\n", 22));
}

TEST_F(LogTest, ADeletedLogIsStartedAgainByTheNextEntry) {
    Log("before");
    std::filesystem::remove("Corvale/Camp.log");
    Log("after");
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[6/12/2026 9:5:3] after\n");
}

TEST_F(LogTest, WithoutTheCorvaleFolderEntriesVanishAndNoFolderIsCreated) {
    std::filesystem::remove_all("Corvale");
    Log("lost");
    LogVector(Vector3(1, 2, 3));
    EXPECT_FALSE(std::filesystem::exists("Corvale"));
}

TEST_F(LogTest, NothingIsWrittenWhileTheLogIsSwitchedOff) {
    EnableLog(false);
    Log("business plug-in");
    Log(std::string("business plug-in"));
    LogVector(Vector3(1, 2, 3));
    EXPECT_FALSE(std::filesystem::exists("Corvale/Camp.log"));
    EnableLog(true);
    Log("camp plug-in");
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[6/12/2026 9:5:3] camp plug-in\n");
}

TEST_F(LogTest, LogVectorWritesSixSignificantDigitsWithoutTrailingZeros) {
    LogVector(Vector3(0.5f, -2.0f, 117.242f));
    LogVector(Vector3(-1997.95f, 1234567.0f, 0.0f));
    EXPECT_EQ(ReadFile("Corvale/Camp.log"), "[6/12/2026 9:5:3] 0.5, -2, 117.242\n"
                                            "[6/12/2026 9:5:3] -1997.95, 1.23457e+06, 0\n");
}

TEST_F(LogTest, VectorTextIsWhatLogVectorWrites) {
    const Vector3 v(1654.1f, 744.083f, -0.125f);
    EXPECT_EQ(VectorText(v), "1654.1, 744.083, -0.125");
    LogVector(v);
    EXPECT_EQ(LogMessages().at(0), VectorText(v));
}

TEST_F(LogTest, ALimitedBurstWritesItsFirstLinesThenOneSayingHowManyItLeftOut) {
    {
        const LogLimit limit("CampManager: received events", 3);
        for (int i = 0; i < 500; ++i)
            Log("event " + std::to_string(i));
    }
    Log("after the burst");
    EXPECT_EQ(LogMessages(),
              (std::vector<std::string>{
                  "event 0", "event 1", "event 2",
                  "CampManager: received events: 497 more lines of this frame left out",
                  "after the burst"}));
}

TEST_F(LogTest, ABurstWithinItsLimitSaysNothingMore) {
    {
        const LogLimit limit("CampManager: received events", 3);
        Log("one");
        Log("two");
    }
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(LogTest, AnExcerptOfOutsideTextIsCutAtALinesWorth) {
    EXPECT_EQ(LogExcerpt("short"), "short");
    const std::string excerpt = LogExcerpt(std::string(2 * 1024 * 1024, 'x'));
    EXPECT_EQ(excerpt, std::string(120, 'x') + "...");
}

} // namespace
