// Both built plug-ins load into the simulator, register their scripts and run frames.
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"

#include <gtest/gtest.h>

TEST(PluginLoad, BothPluginsRegisterTheirScriptsAndRunFrames) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    const int code = run.run(sim::ParseScenarioText("frames 300\n", "inline"));
    EXPECT_EQ(code, 0);
    ASSERT_EQ(run.sim().scriptCount(), 2u);
    EXPECT_EQ(run.sim().scriptName(0), "camp");
    EXPECT_EQ(run.sim().scriptName(1), "business");
    EXPECT_EQ(run.sim().scriptFrames(0), 300u);
    EXPECT_EQ(run.sim().scriptFrames(1), 300u);
    EXPECT_EQ(run.sim().keyboardHandlers(), 1u)
        << "the camp plug-in registers its keyboard handler";
}

TEST(PluginLoad, DetachUnregistersScriptAndKeyboardHandler) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    run.run(sim::ParseScenarioText("frames 2\n", "inline"));
    run.sim().detachAll();
    EXPECT_EQ(run.sim().keyboardHandlers(), 0u);
    const uint64_t before = run.sim().scriptFrames(0);
    run.sim().runFrames(3);
    EXPECT_EQ(run.sim().scriptFrames(0), before);
}

TEST(PluginLoad, EveryRunGetsFreshPluginState) {
    for (int i = 0; i < 2; ++i) {
        sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
        run.run(sim::ParseScenarioText("plugins camp\nframes 1\n", "inline"));
        EXPECT_EQ(run.sim().scriptCount(), 1u);
        EXPECT_EQ(run.sim().keyboardHandlers(), 1u);
    }
}

TEST(Scenario, UnknownCommandsAndBadNumbersAreErrorsWithFileAndLine) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    try {
        run.run(sim::ParseScenarioText("frames 1\nfly away\n", "story.scn"));
        FAIL() << "expected an error";
    } catch (const sim::ScenarioError& e) {
        EXPECT_STREQ(e.what(), "story.scn:2: unknown command: fly");
    }
    EXPECT_THROW(run.run(sim::ParseScenarioText("frames ten\n", "s")), sim::ScenarioError);
}

TEST(Scenario, FileBlocksAndFileExpectations) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    const int code = run.run(
        sim::ParseScenarioText("file Corvale/Note.txt <<END\nline one\n\"quoted\" = two\nEND\n"
                               "expect file Corvale/Note.txt contains \"line one\"\n"
                               "expect file Corvale/Note.txt equals \"nothing\"\n"
                               "delete Corvale/Note.txt\n"
                               "expect file Corvale/Note.txt missing\n",
                               "s"));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(run.passed(), 2);
    EXPECT_EQ(run.failed(), 1);
}
