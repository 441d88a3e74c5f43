// The still's save file: read as a stream reads it, kept in range, written on one line and
// replaced only when the new content is complete.
#include "business/BusinessSave.h"
#include "business/StillHolds.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace corvale::business;
using corvale::testing::StillHolds;

namespace {

std::string Format(const BusinessSave& save) {
    char text[kBusinessSaveTextSize];
    const size_t n = FormatBusinessSave(save, text);
    return std::string(text, n);
}

} // namespace

TEST(ParseBusinessSave, ReadsTheFiveValuesInOrder) {
    EXPECT_THAT(ParseBusinessSave("45.5 2 3 54.5 1 "), StillHolds({45.5f, 2, 3, 54.5f, true}));
}

TEST(ParseBusinessSave, AFileWithOnlyMashAndRecipeLeavesTheRestAtZero) {
    EXPECT_THAT(ParseBusinessSave("100 1"), StillHolds({100.0f, 1, 0, 0.0f, false}));
}

TEST(ParseBusinessSave, StopsAtTheFirstUnreadableValue) {
    EXPECT_THAT(ParseBusinessSave("50 2 x 70 1"), StillHolds({50.0f, 2, 0, 0.0f, false}));
}

TEST(ParseBusinessSave, ValuesSeparatedByLineBreaksAndTabsAreRead) {
    EXPECT_THAT(ParseBusinessSave("\n 12\t3\n4 88 0\r\n"), StillHolds({12.0f, 3, 4, 88.0f, false}));
}

TEST(ParseBusinessSave, ARecipeOrFlavourOutOfRangeReadsAsNone) {
    EXPECT_EQ(ParseBusinessSave("100 7 0 0 0").recipe, 0);
    EXPECT_EQ(ParseBusinessSave("100 -1 0 0 0").recipe, 0);
    EXPECT_EQ(ParseBusinessSave("100 1 -1 0 0").flavour, 0);
    EXPECT_EQ(ParseBusinessSave("100 1 5 0 0").flavour, 0);
    // The values after a bad one are still read.
    EXPECT_FLOAT_EQ(ParseBusinessSave("100 7 -1 30 1").production, 30.0f);
}

TEST(ParseBusinessSave, MashWithoutARecipeIsEmptiedSoTheStillCanBeRefilled) {
    EXPECT_FLOAT_EQ(ParseBusinessSave("100 7 0 0 0").mash, 0.0f);
    EXPECT_FLOAT_EQ(ParseBusinessSave("60 0 0 40 0").mash, 0.0f);
    EXPECT_FLOAT_EQ(ParseBusinessSave("60 0 0 40 0").production, 40.0f);
}

TEST(ParseBusinessSave, HugeOrNegativeQuantitiesAreKeptWithinAFullBatch) {
    const BusinessSave s = ParseBusinessSave("1e30 1 0 -5 0");
    EXPECT_FLOAT_EQ(s.mash, 100.0f);
    EXPECT_FLOAT_EQ(s.production, 0.0f);
    EXPECT_FLOAT_EQ(ParseBusinessSave("-3 1 0 250 0").mash, 0.0f);
    EXPECT_FLOAT_EQ(ParseBusinessSave("-3 1 0 250 0").production, 100.0f);
}

TEST(ParseBusinessSave, NotANumberOrOutOfFloatRangeStopsTheReadWithZeros) {
    const BusinessSave nan = ParseBusinessSave("nan 1 0 0 0");
    EXPECT_FLOAT_EQ(nan.mash, 0.0f);
    EXPECT_EQ(nan.recipe, 0);
    const BusinessSave huge = ParseBusinessSave("50 2 0 1e50 1");
    EXPECT_FLOAT_EQ(huge.mash, 50.0f);
    EXPECT_FLOAT_EQ(huge.production, 0.0f);
    EXPECT_FALSE(huge.herbsInStill);
}

TEST(ParseBusinessSave, AByteOrderMarkIsNothingAndADecimalCommaReadsAsAPoint) {
    // Opened and saved in Notepad, on a machine whose numbers take a decimal comma.
    EXPECT_THAT(ParseBusinessSave("\xEF\xBB\xBF"
                                  "45,5 2 3 54,5 1\r\n"),
                StillHolds({45.5f, 2, 3, 54.5f, true}));
}

TEST(ParseBusinessSave, AnEmptyFileIsAnEmptyStill) {
    const BusinessSave s = ParseBusinessSave("");
    EXPECT_FLOAT_EQ(s.mash, 0.0f);
    EXPECT_EQ(s.recipe, 0);
}

TEST(FormatBusinessSave, AFreshWeakBatchIsFiveValuesEachFollowedByASpace) {
    BusinessSave s;
    s.mash = 100;
    s.recipe = 1;
    EXPECT_EQ(Format(s), "100 1 0 0 0 ");
}

TEST(FormatBusinessSave, FloatsTakeSixSignificantDigitsWithoutTrailingZeros) {
    BusinessSave s{33.5f, 2, 3, 66.5f, true};
    EXPECT_EQ(Format(s), "33.5 2 3 66.5 1 ");
    s.mash = 100.0f / 3.0f;
    s.production = 97.0f;
    EXPECT_EQ(Format(s), "33.3333 2 3 97 1 ");
}

TEST(FormatBusinessSave, WhatIsWrittenReadsBackTheSame) {
    const BusinessSave s{12.25f, 3, 4, 87.75f, true};
    EXPECT_THAT(ParseBusinessSave(Format(s)), StillHolds(s));
}

class BusinessSaveFileTest : public corvale::testing::GameFolderTest {};

TEST_F(BusinessSaveFileTest, AMissingFileLoadsAnEmptyStill) {
    const LoadedBusinessSave loaded = LoadBusinessSave();
    EXPECT_EQ(loaded.read, SaveRead::Missing);
    EXPECT_FLOAT_EQ(loaded.save.mash, 0.0f);
    EXPECT_EQ(loaded.save.recipe, 0);
}

TEST_F(BusinessSaveFileTest, OnlyAFileOfTheFiveValuesAndNothingElseIsReadWhole) {
    const struct {
        const char* text;
        SaveRead read;
    } files[] = {{"45.5 2 3 54.5 1 ", SaveRead::Whole},
                 {"\xEF\xBB\xBF  45.5 2 3 54.5 1\r\n\n", SaveRead::Whole},
                 {"45,5 2 3 54,5 1", SaveRead::Whole},
                 {"", SaveRead::Missing},
                 {" \n\t ", SaveRead::Missing},
                 {"100 1", SaveRead::NotWhole},
                 {"45.5 2 3 54.5 yes", SaveRead::NotWhole},
                 {"45.5 2 3 54.5 1 and more", SaveRead::NotWhole},
                 {"nan 2 3 40 1", SaveRead::NotWhole},
                 {"v2;45.5;2;3;54.5;1", SaveRead::NotWhole}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.text);
        WriteFile(kBusinessSavePath, file.text);
        EXPECT_EQ(LoadBusinessSave().read, file.read);
    }
}

TEST_F(BusinessSaveFileTest, AFileHeldByAnotherProgramOrFailingPartwayIsNotReadWhole) {
    corvale::testing::FaultyFiles files;
    WriteFile(kBusinessSavePath, "45.5 2 3 54.5 1 ");
    files.refuseOpen(kBusinessSavePath);
    EXPECT_EQ(LoadBusinessSave(kBusinessSavePath, files).read, SaveRead::NotWhole);
    files.readsWork();
    files.failReadAfter(kBusinessSavePath, 8);
    const LoadedBusinessSave partial = LoadBusinessSave(kBusinessSavePath, files);
    EXPECT_EQ(partial.read, SaveRead::NotWhole);
    EXPECT_EQ(partial.save.recipe, 0);
    files.readsWork();
    EXPECT_EQ(LoadBusinessSave(kBusinessSavePath, files).read, SaveRead::Whole);
}

TEST_F(BusinessSaveFileTest, SavingWritesTheLineAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(SaveBusinessSave(BusinessSave{100, 1, 0, 0, false}));
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "100 1 0 0 0 ");
    EXPECT_FALSE(std::filesystem::exists("Corvale/Savegame2.dat.tmp"));
    const BusinessSave back = LoadBusinessSave().save;
    EXPECT_EQ(back.recipe, 1);
}

TEST_F(BusinessSaveFileTest, SavingNeverWritesValuesOutOfRange) {
    ASSERT_TRUE(SaveBusinessSave(BusinessSave{1e30f, 2, -1, -4, true}));
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "100 2 0 0 1 ");
    ASSERT_TRUE(SaveBusinessSave(BusinessSave{50, 9, 7, 1e30f, false}));
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "0 0 0 100 0 ");
}

TEST_F(BusinessSaveFileTest, AFailedSaveLeavesThePreviousFileWhole) {
    WriteFile("Corvale/Savegame2.dat", "45.5 2 3 54.5 1 ");
    // A folder where the temporary file should go makes the write fail.
    std::filesystem::create_directory("Corvale/Savegame2.dat.tmp");
    EXPECT_FALSE(SaveBusinessSave(BusinessSave{100, 1, 0, 0, false}));
    EXPECT_EQ(ReadFile("Corvale/Savegame2.dat"), "45.5 2 3 54.5 1 ");
}
