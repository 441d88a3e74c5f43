// The still's file is written only when what it holds changed, at most once a second: an
// idle game leaves the disk alone.
#include "business/BusinessScript.h"
#include "core/data/GameData.h"
#include "core/natives/Script.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

using corvale::business::BusinessScript;

namespace {

class StillSaveTest : public corvale::testing::GameFolderTest {
  protected:
    void startScript() {
        game.start([this] {
            corvale::GameData data(files);
            BusinessScript s(data);
            script = &s;
            s.start();
            for (;;) {
                s.frame();
                corvale::ScriptWait(0);
            }
        });
    }
    BusinessScript* script = nullptr;
    corvale::testing::FaultyFiles files;
};

TEST_F(StillSaveTest, AnIdleGameLeavesAFileEditedByHandUntilTheNextChange) {
    WriteFile("Corvale/Savegame2.dat", "0 0 0 0 0 ");
    startScript();
    game.sim().runFrames(5);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "0 0 0 0 0 ");

    // Nothing moves in the still for ten seconds: the hand-made line stays.
    WriteFile("Corvale/Savegame2.dat", "edited by hand");
    game.sim().runFrames(300);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "edited by hand");

    // The herbs go in: the file follows on the next frame, a second after the last write.
    script->save.herbsInStill = true;
    game.sim().runFrames(1);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "0 0 0 0 1 ");
    // And the next change waits for the second to pass.
    script->save.flavour = 2;
    game.sim().runFrames(10);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "0 0 0 0 1 ");
    game.sim().runFrames(25);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "0 0 2 0 1 ");
}

TEST_F(StillSaveTest, AFileThatCannotBeWrittenIsTriedAgainAfterASecondNotEveryFrame) {
    startScript();
    game.sim().runFrames(40);
    ASSERT_NE(script, nullptr);
    // A folder in the file's place: every write fails.
    std::filesystem::remove("Corvale/Savegame2.dat");
    std::filesystem::create_directory("Corvale/Savegame2.dat");
    script->save.recipe = 2;
    script->save.mash = 100.0f;
    game.sim().runFrames(10);
    std::filesystem::remove("Corvale/Savegame2.dat");
    // Within the second after the failed write nothing is tried.
    game.sim().runFrames(10);
    EXPECT_FALSE(std::filesystem::exists("Corvale/Savegame2.dat"));
    game.sim().runFrames(30);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "100 2 0 0 0 ");
}

TEST_F(StillSaveTest, ASaveHeldByAnotherProgramAtStartIsLeftUntilTheStillChanges) {
    // The player's batch, in a file another program holds while the game starts.
    WriteFile("Corvale/Savegame2.dat", "45.5 2 3 54.5 1");
    files.refuseOpen("Corvale/Savegame2.dat");
    startScript();
    game.sim().runFrames(300);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "45.5 2 3 54.5 1");
    EXPECT_FALSE(std::filesystem::exists("Corvale/Savegame2.dat.tmp"));

    // The player buys a batch into the empty still he was shown: that is saved.
    files.readsWork();
    script->save.recipe = 1;
    script->save.mash = 100.0f;
    game.sim().runFrames(2);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "100 1 0 0 0 ");
}

TEST_F(StillSaveTest, ASaveWhoseReadFailsPartwayIsNotWrittenOverAtStart) {
    WriteFile("Corvale/Savegame2.dat", "45.5 2 3 54.5 1 ");
    files.failReadAfter("Corvale/Savegame2.dat", 9);
    startScript();
    game.sim().runFrames(100);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "45.5 2 3 54.5 1 ");
}

} // namespace
