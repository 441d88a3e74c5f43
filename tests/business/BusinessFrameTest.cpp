// The business plug-in against the simulator: a standard exception thrown during a frame
// gives up the rest of that frame only, and the still keeps working afterwards.
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"
#include "support/ScriptHarness.h"

#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

const uint64_t kIsControlPressed =
    corvale::testing::NativeHash("IS_CONTROL_PRESSED"); // asked on every business frame

// The built business plug-in on the simulator, played from a scenario of the test's own.
class BusinessFrame : public ::testing::Test {
  protected:
    // The first `times` reads of a control throw, as an odd game answer would.
    void throwOnControlReads(int times) {
        run.sim().natives().override(
            kIsControlPressed,
            [this, times](sim::Simulator&, const sim::NativeArgs&, sim::NativeResult&) {
                if (thrown < times) {
                    ++thrown;
                    throw std::runtime_error("odd game answer");
                }
            });
    }
    int play(const char* scenario) { return run.run(sim::ParseScenarioText(scenario, "inline")); }

    sim::ScenarioRun run{corvale::testing::BuiltPluginSettings()};
    int thrown = 0;
};

} // namespace

TEST_F(BusinessFrame, AnExceptionEndsOnlyThatFrameAndTheNextFramesRunOn) {
    throwOnControlReads(5);
    // The camp is named on the second frame; its place applies a second later.
    const int code = play("plugins business\n"
                          "frames 1\n"
                          "event CORVALE_CAMP_LOCATION_SET 2025841068 1746 -1172 40\n"
                          "frames 39\n"
                          "player at 1745 -1160 41.6\n"
                          "frames 10\n"
                          "expect text \"No Flavoring\"\n");
    EXPECT_EQ(thrown, 5);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(run.sim().scriptCount(), 1u);
    EXPECT_FALSE(run.sim().scriptFinished(0));
    EXPECT_EQ(run.sim().scriptFrames(0), 50u);
}

TEST_F(BusinessFrame, AFrameThatThrowsDrawsNothingAfterTheFailingStep) {
    throwOnControlReads(std::numeric_limits<int>::max());
    const int code = play("plugins business\n"
                          "player at 1790 -821 42.59\n"
                          "frames 10\n"
                          "expect prompt \"Run the Still\" hidden\n"
                          "expect file Corvale/Savegame2.dat equals \"0 0 0 0 0 \"\n");
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(run.sim().scriptFinished(0));
}
