// The camp's save and tutorial flags when a write fails at any step: each file stays the old
// save, whole, and the next save of the same change writes the new one.
#include "core/data/GameData.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::FaultyFiles;
using corvale::testing::FileStep;

namespace {

class CampSaveCrashPointsTest : public corvale::testing::GameFolderTest,
                                public ::testing::WithParamInterface<FileStep> {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        WriteDataFiles(1);
        ASSERT_TRUE(data.loadFiles());
    }

    FaultyFiles files;
    GameData data{files};
};

TEST_P(CampSaveCrashPointsTest, EachFileKeepsTheOldSaveAndTheNextSaveWritesTheNewOne) {
    const struct {
        DictDataFile* file;
        const char* key;
        const char* old;
        const char* fresh;
    } saves[] = {
        {data.savegameFile(), "operation.location", "operation.location=1\n",
         "operation.location=2\n"},
        {data.tutorialFlagsFile(), "camp_built", "kickoff=1\n", "camp_built=1\nkickoff=1\n"},
    };
    for (const auto& save : saves) {
        const std::string path = save.file->path();
        SCOPED_TRACE(path);
        save.file->setInt(save.key, save.key[0] == 'o' ? 2 : 1);
        files.failNext(GetParam(), path);
        EXPECT_FALSE(save.file->save(false));
        EXPECT_FALSE(files.armed()) << "the failing step was never reached";
        EXPECT_EQ(ReadFile(path), save.old);
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
        EXPECT_TRUE(save.file->isDirty());

        files.release();
        EXPECT_TRUE(save.file->save(false));
        EXPECT_EQ(ReadFile(path), save.fresh);
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    }
    // Both read back whole in the next game.
    GameData next;
    ASSERT_TRUE(next.loadFiles());
    EXPECT_EQ(next.savegameFile()->getInt("operation.location", -1), 2);
    EXPECT_TRUE(next.tutorialFlagsFile()->getBool("camp_built"));
}

INSTANTIATE_TEST_SUITE_P(AtEveryStep, CampSaveCrashPointsTest,
                         ::testing::ValuesIn(corvale::testing::kEveryFileStep),
                         [](const auto& info) { return FileStepName(info.param); });

} // namespace
