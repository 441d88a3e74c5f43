// The scenario reader checks every line before the first frame: a bad line anywhere fails
// the run at once with its file and line, and no frame has run.
#include "CampWorld.h"
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The error a scenario text is rejected with, "" when every line is well formed.
std::string Rejection(const std::string& text) {
    try {
        sim::CheckScenario(sim::ParseScenarioText(text, "s.scn"));
    } catch (const sim::ScenarioError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ScenarioReader, ABadLastLineFailsBeforeTheFirstFrame) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    try {
        run.run(sim::ParseScenarioText("frames 30\nexpect no-fault\nplayer fly on\n", "story.scn"));
        FAIL() << "expected an error";
    } catch (const sim::ScenarioError& e) {
        EXPECT_STREQ(e.what(), "story.scn:3: unknown player command: fly");
    }
    EXPECT_EQ(run.sim().world().frame, 0u);
    EXPECT_FALSE(run.sim().attached());
    EXPECT_EQ(run.passed() + run.failed(), 0);
}

TEST(ScenarioReader, ArgumentsAreCheckedForCountAndType) {
    EXPECT_EQ(Rejection("frames 3 4\n"), "s.scn:1: extra argument: 4 (frames N:count)");
    EXPECT_EQ(Rejection("frames ten\n"), "s.scn:1: N is not a count: ten (frames N:count)");
    EXPECT_EQ(Rejection("\n# set-up\nplayer at 1 2\n"),
              "s.scn:3: missing Z (player at X:num Y:num Z:num [HEADING:num])");
    EXPECT_EQ(Rejection("expect log \"x\" some\n"),
              "s.scn:1: COUNT is not a count: some (expect log TEXT [COUNT:count])");
    EXPECT_EQ(Rejection("expect prompt \"Sell\" shown\n"),
              "s.scn:1: expected visible|hidden|enabled|disabled, found shown "
              "(expect prompt TEXT visible|hidden|enabled|disabled)");
    EXPECT_EQ(Rejection("kill M near 1 2 3\n"),
              "s.scn:1: missing R (kill MODEL [all] [near X:num Y:num Z:num R:num])");
    EXPECT_EQ(Rejection("key F13\n"), "s.scn:1: unknown key: F13 (key NAME:key)");
    EXPECT_EQ(Rejection("game-event 0 EVENT_X player 1.5 -3 0xffffffffff nobody\n"),
              "s.scn:1: not a slot value: nobody (game-event GROUP:int TYPE [SLOT:slot ...])");
    EXPECT_EQ(Rejection("fly away\n"), "s.scn:1: unknown command: fly");
    EXPECT_EQ(Rejection("expect\n"), "s.scn:1: missing expect command");

    EXPECT_EQ(Rejection("player at 1 2.5 -3\nplayer at 1 2 3 90\nkill M all near 1 2 3 4\n"
                        "expect file Corvale/Camp.log missing\n"
                        "expect file Corvale/Camp.log contains \"x\"\n"
                        "event CORVALE_X player ped:M entity:W 7 hash:Y\n"
                        "player zone off\nplayer zone 0x1b6880b3\nexpect no-fault\n"),
              "");
}

TEST(ScenarioReader, PathsStayInsideTheGameFolder) {
    EXPECT_EQ(Rejection("delete ../Corvale\n"),
              "s.scn:1: PATH is not a path inside the game folder: ../Corvale (delete PATH:path)");
    EXPECT_NE(Rejection("delete /tmp\n"), "");
    EXPECT_NE(Rejection("file Corvale/../../x <<END\nEND\n"), "");
    EXPECT_NE(Rejection("expect file C:/x missing\n"), "");
    EXPECT_EQ(Rejection("file Corvale/..x/Settings.ini <<END\nEND\n"), "");
}

TEST(ScenarioReader, BlocksBelongToFileAndAreClosed) {
    EXPECT_EQ(Rejection("file Corvale/Settings.ini\n"), "s.scn:1: file needs a <<END block");
    EXPECT_EQ(Rejection("frames 2 <<END\nEND\n"), "s.scn:1: frames takes no <<END block");
    EXPECT_EQ(Rejection("file Corvale/A.txt <<END\nline\n"), "s.scn:1: no END after the block");
    EXPECT_EQ(Rejection("file Corvale/A.txt <<\n"), "s.scn:1: a block is written <<END");
    EXPECT_EQ(Rejection("expect log \"<<END\"\n"), "") << "a quoted text is no block";
    EXPECT_EQ(Rejection("file Corvale/Empty.txt <<END\nEND\nframes 1\n"), "");
    EXPECT_EQ(Rejection("expect log \"a\"b\n"), "s.scn:1: a quoted text ends its word");
}

TEST(ScenarioReader, UntilChecksItsExpectation) {
    EXPECT_EQ(Rejection("until log \"x\" within 5\nuntil expect cash 0\n"), "");
    EXPECT_EQ(Rejection("until frames 3\n"),
              "s.scn:1: until needs an expectation, found: until frames 3");
    EXPECT_EQ(Rejection("until cash many within 5\n"),
              "s.scn:1: CENTS is not a 32-bit number: many (expect cash CENTS:int)");
    EXPECT_EQ(Rejection("until cash 0 within 0\n"),
              "s.scn:1: until ... within needs a positive number of seconds");
}

using ScenarioSummary = corvale::testing::CampWorld;

TEST_F(ScenarioSummary, AFaultCountsAsOneFailure) {
    call("GET_GAME_TIMER", 1); // one argument too many
    EXPECT_EQ(play("expect cash 0\n"), 2);
    EXPECT_EQ(run->passed(), 1);
    EXPECT_EQ(run->failed(), 1);
    EXPECT_EQ(play("expect cash 0\n"), 2) << "the run stays faulty";
    EXPECT_EQ(run->failed(), 1) << "the same fault is not counted twice";
}

namespace {

// The lines of a scenario text read with parameters: the words of each, joined by blanks.
std::string WordsWith(const std::string& text, const sim::Defines& defines) {
    std::string out;
    for (const sim::Command& c : sim::ParseScenarioText(text, "s.scn", defines)) {
        out += c.text();
        for (const std::string& line : c.body)
            out += " | " + line;
        out += "\n";
    }
    return out;
}

std::string RejectionWith(const std::string& text, const sim::Defines& defines) {
    try {
        sim::ParseScenarioText(text, "s.scn", defines);
    } catch (const sim::ScenarioError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(ScenarioParameters, AreFilledInEverywhereWithTheirBlanks) {
    const sim::Defines defines{{"AT", "1 2.5 -3"}, {"PLACE", "1684533001"}, {"Who_2", "x"}};
    EXPECT_EQ(WordsWith("player at ${AT}\n"
                        "file Corvale/Savegame.dat <<END\noperation.location=${PLACE}\nEND\n"
                        "expect log \"${Who_2}${Who_2} $5 costs ${PLACE}\"\n",
                        defines),
              "player at 1 2.5 -3\n"
              "file Corvale/Savegame.dat | operation.location=1684533001\n"
              "expect log \"xx $5 costs 1684533001\"\n");
    EXPECT_EQ(Rejection("player at 1 2 3\n"), "") << "a scenario without parameters needs none";
}

TEST(ScenarioParameters, OneWithoutAValueStopsTheRunAtItsLine) {
    EXPECT_EQ(RejectionWith("frames 1\n# at ${AT}\n", {}),
              "s.scn:2: no value for ${AT} (--define AT=VALUE)");
    EXPECT_EQ(RejectionWith("file Corvale/A.txt <<END\n${A}\nEND\n", {{"B", "1"}}),
              "s.scn:2: no value for ${A} (--define A=VALUE)");
    EXPECT_EQ(RejectionWith("frames ${N\n", {{"N", "1"}}),
              "s.scn:1: a parameter is written ${NAME}");
    EXPECT_EQ(RejectionWith("frames ${1N}\n", {{"1N", "1"}}),
              "s.scn:1: a parameter is written ${NAME}");
    EXPECT_EQ(RejectionWith("frames ${}\n", {}), "s.scn:1: a parameter is written ${NAME}");
    EXPECT_TRUE(sim::IsParameterName("_A1"));
    EXPECT_FALSE(sim::IsParameterName("A-1"));
}

using FixedDraws = corvale::testing::CampWorld;

TEST_F(FixedDraws, AnswerTheirRangeInTurnThenDrawFromTheSeedAgain) {
    ASSERT_EQ(play("random 0 4 3\nrandom 0 4 1\nrandom -5 5 -5\n"), 0);
    const int32_t other = callInt("GET_RANDOM_INT_IN_RANGE", 0, 5);
    EXPECT_GE(other, 0);
    EXPECT_LT(other, 5);
    EXPECT_EQ(callInt("GET_RANDOM_INT_IN_RANGE", 0, 4), 3);
    EXPECT_EQ(callInt("GET_RANDOM_INT_IN_RANGE", -5, 5), -5);
    EXPECT_EQ(callInt("GET_RANDOM_INT_IN_RANGE", 0, 4), 1);
    std::set<int32_t> drawn;
    for (int i = 0; i < 40; ++i)
        drawn.insert(callInt("GET_RANDOM_INT_IN_RANGE", 0, 4));
    EXPECT_GT(drawn.size(), 1u) << "the fixed answers are used up";
    EXPECT_GE(*drawn.begin(), 0);
    EXPECT_LT(*drawn.rbegin(), 4);
}

TEST_F(FixedDraws, AnAnswerOutsideItsRangeIsABadLine) {
    EXPECT_THROW(play("random 0 4 4\n"), sim::ScenarioError);
    EXPECT_THROW(play("random 3 3 3\n"), sim::ScenarioError);
    EXPECT_THROW(play("random 0 4 -1\n"), sim::ScenarioError);
}
