// Dictionary data files: loading with its log lines and line count, typed look-ups, setters
// and the dirty flag, and saving in byte order without ever losing the old file.
#include "core/data/DictDataFile.h"
#include "support/GameFolder.h"

#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr const char* kPath = "Corvale/Test.dat";

class DictDataFileTest : public corvale::testing::GameFolderTest {
  protected:
    // Writes the file and loads it.
    void Load(std::string_view text) {
        WriteFile(kPath, text);
        ASSERT_TRUE(file.load());
    }

    DictDataFile file{kPath};
};

// load

TEST_F(DictDataFileTest, LoadLogsItsStepsAndCountsTheFinalEmptyRead) {
    WriteFile(kPath, "a=1\nb=2\n");
    ASSERT_TRUE(file.load());
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{"loading data file: Corvale/Test.dat",
                                                       "data file found: Corvale/Test.dat",
                                                       "'Corvale/Test.dat' loaded, lines red: 3"}));
    EXPECT_EQ(file.getString("a"), "1");
    EXPECT_EQ(file.getString("b"), "2");
}

TEST_F(DictDataFileTest, LoadCountsTwoLinesWithoutAFinalLineFeed) {
    WriteFile(kPath, "a=1\nb=2");
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(Logged("'Corvale/Test.dat' loaded, lines red: 2"));
    EXPECT_EQ(file.getString("b"), "2");
}

TEST_F(DictDataFileTest, AnEmptyFileLoadsWithOneLineRead) {
    WriteFile(kPath, "");
    ASSERT_TRUE(file.load());
    EXPECT_TRUE(Logged("'Corvale/Test.dat' loaded, lines red: 1"));
    EXPECT_TRUE(file.entries().empty());
}

TEST_F(DictDataFileTest, AMissingFileFailsWithItsMessage) {
    EXPECT_FALSE(file.load());
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{
                                 "loading data file: Corvale/Test.dat",
                                 "unable to load from data file, please make sure it exists."}));
}

TEST_F(DictDataFileTest, ALineEndingInItsOnlyEqualsStopsTheLoadAtItsIndex) {
    WriteFile(kPath, "a=1\n\nk=\nb=2\n");
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(Logged("cannot parse line: k=, please make sure it is assembled of the correct "
                       "format (<setting_name>=<settings_value>)."));
    EXPECT_TRUE(Logged("'Corvale/Test.dat' is corruped at line: 2"));
    EXPECT_EQ(file.getString("a"), "1") << "lines before the bad one stay read";
    EXPECT_EQ(file.getString("b"), "") << "lines after the bad one are not read";
}

TEST_F(DictDataFileTest, ThreePiecesOnTheFirstLineCorruptAtLineZero) {
    WriteFile(kPath, "a=b=c\n");
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(Logged("'Corvale/Test.dat' is corruped at line: 0"));
}

TEST_F(DictDataFileTest, BlanksAroundTheEqualsBelongToKeyAndValue) {
    Load("key = value\n");
    EXPECT_EQ(file.getString("key "), " value");
    EXPECT_EQ(file.getString("key"), "");
}

TEST_F(DictDataFileTest, ALeadingEqualsStoresAnEmptyKey) {
    Load("=v\n");
    EXPECT_EQ(file.getString(""), "v");
}

TEST_F(DictDataFileTest, ALaterLineWinsAndLoadingLeavesTheFileClean) {
    Load("k=1\nk=2\n");
    EXPECT_EQ(file.getString("k"), "2");
    EXPECT_FALSE(file.isDirty());
}

TEST_F(DictDataFileTest, LoadingAgainAddsAndOverwritesButRemovesNothing) {
    Load("a=1\nb=1\n");
    WriteFile(kPath, "b=2\nc=2\n");
    ASSERT_TRUE(file.load());
    EXPECT_EQ(file.getString("a"), "1");
    EXPECT_EQ(file.getString("b"), "2");
    EXPECT_EQ(file.getString("c"), "2");
}

// getString, getInt, getFloat, getBool

TEST_F(DictDataFileTest, GetStringReturnsTheStoredValueItself) {
    Load("blips.camp=Moonshine Camp\n");
    const std::string& text = file.getString("blips.camp");
    EXPECT_EQ(text, "Moonshine Camp");
    EXPECT_EQ(&text, &file.entries().at("blips.camp"));
    EXPECT_EQ(file.getString("blips.none"), "");
}

TEST_F(DictDataFileTest, GetIntReadsLeadingDigitsAndFallsBackWhenEmptyOrAbsent) {
    Load("n=12abc\nempty==\nneg= -40\n");
    EXPECT_EQ(file.getInt("n", 7), 12);
    EXPECT_EQ(file.getInt("neg", 7), -40);
    EXPECT_EQ(file.getInt("empty", 7), 7);
    EXPECT_EQ(file.getInt("absent", -999), -999);
}

TEST_F(DictDataFileTest, GetIntOfLettersOrOfAHugeNumberThrowsWithTheStoiTexts) {
    Load("word=abc\nhuge=3000000000\n");
    try {
        file.getInt("word", 0);
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "invalid stoi argument");
    }
    try {
        file.getInt("huge", 0);
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "stoi argument out of range");
    }
}

TEST_F(DictDataFileTest, GetFloatReadsDecimalsAndThrowsWithTheStofTexts) {
    Load("f=0.25\nword=fast\nhuge=1e39\nempty==\n");
    EXPECT_FLOAT_EQ(file.getFloat("f", 1.0f), 0.25f);
    EXPECT_FLOAT_EQ(file.getFloat("empty", 1.5f), 1.5f);
    EXPECT_FLOAT_EQ(file.getFloat("absent", -999.0f), -999.0f);
    try {
        file.getFloat("word", 0);
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "invalid stof argument");
    }
    try {
        file.getFloat("huge", 0);
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "stof argument out of range");
    }
}

TEST_F(DictDataFileTest, GetBoolIsFalseFor0AndMinus999AndTrueForOtherNumbers) {
    Load("zero=0\nunset=-999\ntwo=2\nminus=-1\nempty==\nword=yes\n");
    EXPECT_FALSE(file.getBool("zero"));
    EXPECT_FALSE(file.getBool("unset"));
    EXPECT_TRUE(file.getBool("two"));
    EXPECT_TRUE(file.getBool("minus"));
    EXPECT_FALSE(file.getBool("empty"));
    EXPECT_FALSE(file.getBool("absent"));
    EXPECT_THROW(file.getBool("word"), std::invalid_argument);
}

// set, setInt, setFloat, setBool and the dirty flag

TEST_F(DictDataFileTest, SettingAnEmptyValueRemovesAPresentKeyOnly) {
    Load("k=1\n");
    file.set("absent", "");
    EXPECT_FALSE(file.isDirty());
    file.set("k", "");
    EXPECT_TRUE(file.isDirty());
    EXPECT_EQ(file.entries().count("k"), 0u);
}

TEST_F(DictDataFileTest, StoringAnEqualValueChangesNothing) {
    Load("operation.location=5\n");
    file.setInt("operation.location", 5);
    EXPECT_FALSE(file.isDirty());
    file.setInt("operation.location", 6);
    EXPECT_TRUE(file.isDirty());
    EXPECT_EQ(file.getString("operation.location"), "6");
}

TEST_F(DictDataFileTest, SetIntTwiceStaysDirtyUntilASaveWritesIt) {
    file.setInt("k", 5);
    file.setInt("k", 5);
    EXPECT_TRUE(file.isDirty());
    EXPECT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "k=5\n");
    EXPECT_FALSE(file.isDirty());
}

TEST_F(DictDataFileTest, SettersWriteDecimalSixDecimalAndOneOrZeroText) {
    file.setInt("i", -2147483647 - 1);
    file.setFloat("f", 0.25f);
    file.setFloat("g", -3.0f);
    file.setBool("t", true);
    file.setBool("u", false);
    EXPECT_EQ(file.getString("i"), "-2147483648");
    EXPECT_EQ(file.getString("f"), "0.250000");
    EXPECT_EQ(file.getString("g"), "-3.000000");
    EXPECT_EQ(file.getString("t"), "1");
    EXPECT_EQ(file.getString("u"), "0");
}

TEST_F(DictDataFileTest, TextThatTheFileCannotHoldIsRefused) {
    file.set("k", "a=b");
    file.set("k=x", "v");
    file.set("k", "two\nlines");
    EXPECT_FALSE(file.isDirty());
    EXPECT_TRUE(file.entries().empty());
}

// save and write

TEST_F(DictDataFileTest, ACleanFileIsNotWrittenUnlessForced) {
    Load("b=2\na=1\n");
    EXPECT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "b=2\na=1\n");
    EXPECT_FALSE(Logged("saving Corvale/Test.dat"));
    EXPECT_TRUE(file.save(true));
    EXPECT_EQ(ReadFile(kPath), "a=1\nb=2\n");
}

TEST_F(DictDataFileTest, SaveWritesKeysInByteOrderAndLogs) {
    for (const char* key : {"b", "ab", "a", "B", "A", "a.b", "a_b"})
        file.set(key, "1");
    ASSERT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "A=1\nB=1\na=1\na.b=1\na_b=1\nab=1\nb=1\n");
    EXPECT_TRUE(Logged("saving Corvale/Test.dat"));
    EXPECT_TRUE(Logged("file saved: Corvale/Test.dat"));
}

TEST_F(DictDataFileTest, ASavedFileLoadsBackToTheSameEntries) {
    file.setFloat("operation.stats.influence", 0.37f);
    file.setInt("operation.location", -108848014);
    file.set("", "empty key");
    file.set("spaced key ", " spaced value");
    ASSERT_TRUE(file.save(false));
    DictDataFile reloaded(kPath);
    ASSERT_TRUE(reloaded.load());
    EXPECT_EQ(reloaded.entries(), file.entries());
}

TEST_F(DictDataFileTest, AnEmptyValueReadFromTheFileIsNotSavedAsALineThatWouldNotLoad) {
    Load("operation.location=1684533001\nmission_flags.cook==\n");
    file.setInt("last_completed_mission_type", 1);
    ASSERT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "last_completed_mission_type=1\noperation.location=1684533001\n");
    DictDataFile reloaded(kPath);
    EXPECT_TRUE(reloaded.load());
}

TEST_F(DictDataFileTest, AShorterSaveLeavesNothingOfTheLongerOldFile) {
    WriteFile(kPath, "operation.location=1684533001\noperation.stats.influence=0.370000\n");
    ASSERT_TRUE(file.load());
    file.set("operation.stats.influence", "");
    ASSERT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "operation.location=1684533001\n");
    EXPECT_FALSE(std::filesystem::exists(std::string(kPath) + ".tmp"));
}

TEST_F(DictDataFileTest, ARefusedReplaceFailsTheSaveKeepsItDirtyAndLeavesNoTemporaryFile) {
    // A non-empty folder in place of the file cannot be replaced.
    std::filesystem::create_directories(std::string(kPath) + "/held");
    file.setInt("operation.location", 3);
    EXPECT_FALSE(file.save(false));
    EXPECT_TRUE(file.isDirty());
    EXPECT_TRUE(Logged("save failed in file: Corvale/Test.dat"));
    EXPECT_FALSE(Logged("file saved: Corvale/Test.dat"));
    EXPECT_FALSE(std::filesystem::exists(std::string(kPath) + ".tmp"));
    EXPECT_TRUE(std::filesystem::exists(std::string(kPath) + "/held"));
}

TEST_F(DictDataFileTest, WhenTheTemporaryFileCannotBeMadeTheOldSaveSurvives) {
    WriteFile(kPath, "operation.location=1684533001\n");
    std::filesystem::create_directories(std::string(kPath) + ".tmp/held");
    ASSERT_TRUE(file.load());
    file.setInt("operation.location", 131399519);
    EXPECT_FALSE(file.save(false));
    EXPECT_TRUE(Logged("unable to open file, please make sure it exists."));
    EXPECT_TRUE(Logged("save failed in file: Corvale/Test.dat"));
    EXPECT_EQ(ReadFile(kPath), "operation.location=1684533001\n");
    EXPECT_TRUE(file.isDirty());
    std::filesystem::remove_all(std::string(kPath) + ".tmp");
    EXPECT_TRUE(file.save(false)) << "the next autosave tries again";
    EXPECT_EQ(ReadFile(kPath), "operation.location=131399519\n");
}

} // namespace
