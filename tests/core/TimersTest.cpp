// Game timers, the named timer registry and the wall-clock stopwatch.
#include "core/natives/Strings.h"
#include "core/platform/Stopwatch.h"
#include "core/timers/Elapsed.h"
#include "core/timers/GameTimer.h"
#include "core/timers/NamedTimers.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

// Timers read the simulated game timer, which each test moves by hand.
struct TimersTest : ::testing::Test {
    ScriptHarness h;
    int32_t& now = h.world().gameTimer = 50000;
    NamedTimers timers;
};

} // namespace

TEST_F(TimersTest, AGameTimerCountsFromItsStart) {
    GameTimer timer(7);
    EXPECT_EQ(timer.tag(), 7);
    EXPECT_EQ(timer.start(), 50000);
    now += 1234;
    EXPECT_EQ(timer.elapsedMs(), 1234);
    timer.reset();
    EXPECT_EQ(timer.elapsedMs(), 0);
}

TEST_F(TimersTest, ElapsedSecondsTruncateTowardZero) {
    GameTimer timer;
    now += 1999;
    EXPECT_EQ(timer.elapsedSeconds(), 1);
    now += 1;
    EXPECT_EQ(timer.elapsedSeconds(), 2);
    timer.shiftStart(2999); // starts in the future
    EXPECT_EQ(timer.elapsedSeconds(), -2);
}

TEST_F(TimersTest, ANegativeShiftReadsAsStartedThatLongAgo) {
    GameTimer cooldown;
    cooldown.shiftStart(-300000);
    EXPECT_EQ(cooldown.elapsedMs(), 300000);
}

TEST_F(TimersTest, ElapsedTimeSurvivesTheGameTimerWrapping) {
    now = INT32_MAX - 10;
    GameTimer timer;
    now = INT32_MIN + 20;
    EXPECT_EQ(timer.elapsedMs(), 31);
}

TEST_F(TimersTest, TheFirstLookupCreatesTheTimerAndTheSecondReturnsTheSameOne) {
    GameTimer& first = timers.timerFor("timers_test.autosave");
    EXPECT_EQ(first.elapsedMs(), 0);
    now += 5000;
    GameTimer& second = timers.timerFor("timers_test.autosave");
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.elapsedMs(), 5000) << "the second lookup must not restart it";
    EXPECT_EQ(static_cast<uint32_t>(first.tag()), HashString("timers_test.autosave"))
        << "tagged with its key";
}

TEST_F(TimersTest, ReferencesStayValidWhileOtherTimersAreAdded) {
    GameTimer& kept = timers.timerFor("timers_test.kept");
    for (uint32_t ped = 1; ped <= 500; ++ped)
        timers.timerFor(0x7000000u + ped);
    EXPECT_EQ(&kept, &timers.timerFor("timers_test.kept"));
}

TEST_F(TimersTest, ARemovedTimerStartsAfreshOnTheNextLookup) {
    timers.timerFor("timers_test.cooldown");
    now += 9000;
    timers.remove("timers_test.cooldown");
    EXPECT_EQ(timers.timerFor("timers_test.cooldown").elapsedMs(), 0);
    timers.remove("timers_test.never_made"); // nothing to remove: nothing happens
}

TEST_F(TimersTest, APedHandleIsAKeyOfItsOwn) {
    GameTimer& ped = timers.timerFor(0x1234u);
    EXPECT_EQ(ped.tag(), 0x1234);
    now += 1500;
    EXPECT_EQ(timers.timerFor(0x1234u).elapsedSeconds(), 1);
}

TEST(Stopwatch, ReportsMinusOneUntilStartedThenWholeSecondsOfTheClock) {
    ScriptHarness h; // the simulated calendar runs with the game timer
    h.world().gameTimer = 1000000;
    Stopwatch watch;
    EXPECT_EQ(watch.elapsed(), -1.0);
    watch.start();
    h.world().gameTimer += 3000;
    EXPECT_EQ(watch.elapsed(), 3.0);
}

TEST(Stopwatch, ReadsTimeThroughItsOverridableClock) {
    struct ScriptedClock : Stopwatch {
        int64_t t = 10;
        int64_t now() override { return t; }
    } watch;
    watch.start();
    watch.t = 12;
    EXPECT_EQ(watch.elapsed(), 2.0);
}

// The game timer passes its top after about 24.8 days of play: differences hold across it.
TEST_F(TimersTest, ElapsedTimeHoldsAcrossTheTimersWrap) {
    constexpr int32_t kTop = 2147483647;
    EXPECT_EQ(ElapsedMs(-kTop - 1 + 5, kTop - 4), 10);
    EXPECT_EQ(ElapsedMs(kTop - 4, -kTop - 1 + 5), -10) << "then lies ahead";
    EXPECT_EQ(TimerPlus(kTop - 4, 10), -kTop - 1 + 5);
    now = kTop - 100;
    GameTimer timer;
    now = -kTop - 1 + 99;
    EXPECT_EQ(timer.elapsedMs(), 200);
    EXPECT_EQ(ElapsedSince(kTop - 100), 200);
}
