// The business plug-in against the simulator: a standard exception thrown during a frame
// gives up the rest of that frame only, and the still keeps working afterwards.
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"
#include "support/ScriptHarness.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace {

const uint64_t kIsControlPressed =
    corvale::testing::NativeHash("IS_CONTROL_PRESSED"); // asked on every business frame

} // namespace

TEST(BusinessFrame, AnExceptionEndsOnlyThatFrameAndTheNextFramesRunOn) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    int thrown = 0;
    run.sim().natives().override(
        kIsControlPressed, [&thrown](sim::Simulator&, const sim::NativeArgs&, sim::NativeResult&) {
            if (thrown < 5) {
                ++thrown;
                throw std::runtime_error("odd game answer");
            }
        });
    // The camp is named on the second frame; its place applies a second later.
    const int code =
        run.run(sim::ParseScenarioText("plugins business\n"
                                       "frames 1\n"
                                       "event CORVALE_CAMP_LOCATION_SET 2025841068 1746 -1172 40\n"
                                       "frames 39\n"
                                       "player at 1745 -1160 41.6\n"
                                       "frames 10\n"
                                       "expect text \"No Flavoring\"\n",
                                       "inline"));
    EXPECT_EQ(thrown, 5);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(run.sim().scriptCount(), 1u);
    EXPECT_FALSE(run.sim().scriptFinished(0));
    EXPECT_EQ(run.sim().scriptFrames(0), 50u);
}

TEST(BusinessFrame, AFrameThatThrowsDrawsNothingAfterTheFailingStep) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    run.sim().natives().override(kIsControlPressed,
                                 [](sim::Simulator&, const sim::NativeArgs&, sim::NativeResult&) {
                                     throw std::runtime_error("odd game answer");
                                 });
    const int code =
        run.run(sim::ParseScenarioText("plugins business\n"
                                       "player at 1790 -821 42.59\n"
                                       "frames 10\n"
                                       "expect prompt \"Run the Still\" hidden\n"
                                       "expect file Corvale/Savegame2.dat equals \"0 0 0 0 0 \"\n",
                                       "inline"));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(run.sim().scriptFinished(0));
}
