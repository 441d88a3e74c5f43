// The night's sleep of a camp move: the clock moves on by the hours slept, past midnight too.
#include "camp/SleepTransition.h"
#include "core/natives/Script.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

namespace {

struct SleepTransitionTest : corvale::testing::GameFolderTest {
    // The hour of the game's clock after sleeping `hours` from `from` o'clock.
    int hourAfterSleep(int from, int hours) {
        sim::World& world = game.world();
        world.clock.setHour(from, world.gameTimer);
        game.start([hours] {
            corvale::SleepDarken();
            corvale::ScriptWait(static_cast<uint32_t>(corvale::kSleepStepMs));
            const int32_t hour = corvale::SleepSkyRuns();
            corvale::ScriptWait(static_cast<uint32_t>(corvale::kSleepStepMs));
            corvale::SleepClockOn(hour, hours);
        });
        game.runUntilFinished(600);
        EXPECT_TRUE(game.finished());
        EXPECT_EQ(game.sim().faults(), std::vector<std::string>{});
        return world.clock.hour(world.gameTimer);
    }
};

TEST_F(SleepTransitionTest, AMorningSleepEndsTheSameDay) {
    EXPECT_EQ(hourAfterSleep(9, 8), 17);
}

TEST_F(SleepTransitionTest, AnEveningSleepEndsInTheMorningOfTheNextDay) {
    // A move at 20 o'clock asked the game for 28 o'clock, no time of day.
    EXPECT_EQ(hourAfterSleep(20, 8), 4);
    EXPECT_EQ(hourAfterSleep(23, 1), 0);
}

} // namespace
