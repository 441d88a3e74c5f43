// The still's save when a write fails at any step: the file is the old save, whole, or none
// when there was none, and the next save writes the new one.
#include "business/BusinessSave.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace corvale::business;
using corvale::testing::FaultyFiles;
using corvale::testing::FileStep;

namespace {

constexpr const char* kTemporary = "Corvale/Savegame2.dat.tmp";

class StillSaveCrashPointsTest : public corvale::testing::GameFolderTest,
                                 public ::testing::WithParamInterface<FileStep> {
  protected:
    // A strong batch of flavour 3 started, herbs in.
    const BusinessSave fresh{100.0f, 3, 3, 0.0f, true};
    FaultyFiles files;
};

TEST_P(StillSaveCrashPointsTest, TheOldSaveStaysWholeAndTheNextSaveWritesTheNewOne) {
    WriteFile(kBusinessSavePath, "40 2 1 25 0 ");
    files.failNext(GetParam(), kBusinessSavePath);
    EXPECT_FALSE(SaveBusinessSave(fresh, kBusinessSavePath, files));
    EXPECT_FALSE(files.armed()) << "the failing step was never reached";
    EXPECT_EQ(ReadFile(kBusinessSavePath), "40 2 1 25 0 ");
    EXPECT_FALSE(std::filesystem::exists(kTemporary));

    files.release();
    EXPECT_TRUE(SaveBusinessSave(fresh, kBusinessSavePath, files));
    EXPECT_EQ(ReadFile(kBusinessSavePath), "100 3 3 0 1 ");
    EXPECT_TRUE(SameSave(LoadBusinessSave().save, fresh));
}

TEST_P(StillSaveCrashPointsTest, AFirstSaveThatFailsLeavesNoFileBehind) {
    files.failNext(GetParam(), kBusinessSavePath);
    const bool saved = SaveBusinessSave(fresh, kBusinessSavePath, files);
    // Held open needs a file to hold: without one the first save goes through.
    if (GetParam() == FileStep::HeldOpen) {
        EXPECT_TRUE(saved);
        EXPECT_EQ(ReadFile(kBusinessSavePath), "100 3 3 0 1 ");
        return;
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(std::filesystem::exists(kBusinessSavePath));
    EXPECT_FALSE(std::filesystem::exists(kTemporary));
    EXPECT_TRUE(SaveBusinessSave(fresh, kBusinessSavePath, files));
    EXPECT_EQ(ReadFile(kBusinessSavePath), "100 3 3 0 1 ");
}

INSTANTIATE_TEST_SUITE_P(AtEveryStep, StillSaveCrashPointsTest,
                         ::testing::ValuesIn(corvale::testing::kEveryFileStep),
                         [](const auto& info) { return FileStepName(info.param); });

} // namespace
