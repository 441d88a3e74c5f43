// Dictionary data files: loading with its log lines and line count, typed look-ups, setters
// and the dirty flag, and saving in byte order without ever losing the old file.
#include "core/data/DictDataFile.h"
#include "support/FaultyFiles.h"
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

TEST_F(DictDataFileTest, BlanksAroundKeysAndValuesAndAByteOrderMarkAreNothing) {
    // Notepad's byte-order mark, a stray blank, a tab and a line feed written on Windows.
    Load("\xEF\xBB\xBFoperation.location=1684533001\n operation.stats.influence = 0.6\n"
         "\tmission_flags.cook=1\t\r\n   \n");
    EXPECT_EQ(file.getString("operation.location"), "1684533001");
    EXPECT_EQ(file.getString("operation.stats.influence"), "0.6");
    EXPECT_EQ(file.getString("mission_flags.cook"), "1");
    EXPECT_EQ(file.entries().size(), 3u);
    EXPECT_FALSE(Logged("'Corvale/Test.dat' skipped line 3: "));
}

TEST_F(DictDataFileTest, AByteOrderMarkStartingALaterLineIsNothingEither) {
    // Two files pasted together: the second one's mark would begin a key the save drops.
    Load("mission_flags.cook=1\n\xEF\xBB\xBF=2\n\xEF\xBB\xBFoperation.location=1684533001\n");
    EXPECT_EQ(file.getString("operation.location"), "1684533001");
    EXPECT_EQ(file.entries().size(), 2u);
}

TEST_F(DictDataFileTest, MarksRepeatedOrAfterABlankAreNothingAndTheSaveLoadsBackTheSame) {
    // Found by the data file fuzzer: one mark stripped left the next one in the key.
    Load("\xEF\xBB\xBF\xEF\xBB\xBF=v\n \xEF\xBB\xBF" "a=1\n\xEF\xBB\xBF \xEF\xBB\xBF b=2\n");
    EXPECT_EQ(file.entries().size(), 2u);
    EXPECT_EQ(file.getString("a"), "1");
    EXPECT_EQ(file.getString("b"), "2");
    EXPECT_EQ(file.text(), "a=1\nb=2\n");
}

TEST_F(DictDataFileTest, ALineWithoutAKeyOrValueIsSkippedWithALogLine) {
    Load("a=1\n=v\n  = \t=\nb=2\n");
    EXPECT_EQ(file.entries().size(), 2u);
    EXPECT_EQ(file.getString(""), "");
    EXPECT_TRUE(Logged("'Corvale/Test.dat' skipped line 1: =v"));
    EXPECT_TRUE(Logged("'Corvale/Test.dat' skipped line 2: = \t="));
    EXPECT_EQ(file.getString("b"), "2");
}

TEST_F(DictDataFileTest, AHugeBadLineIsQuotedShortInTheLog) {
    WriteFile(kPath, std::string(2 * 1024 * 1024, 'x') + "\n");
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(Logged("cannot parse line: " + std::string(120, 'x') +
                       "..., please make sure it is assembled of the correct format "
                       "(<setting_name>=<settings_value>)."));
}

TEST_F(DictDataFileTest, AFileWhoseBadLinesAreSkippedReadsEveryGoodLine) {
    file.skipBadLines();
    WriteFile(kPath, "kickoff=1\nbroken\nk=\nchange_location_insufficient_funds=1\n");
    EXPECT_TRUE(file.load());
    EXPECT_TRUE(Logged("'Corvale/Test.dat' skipped line 1: broken"));
    EXPECT_TRUE(Logged("'Corvale/Test.dat' skipped line 2: k="));
    EXPECT_TRUE(Logged("'Corvale/Test.dat' loaded, lines red: 5"));
    file.setInt("raid", 1);
    ASSERT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "change_location_insufficient_funds=1\nkickoff=1\nraid=1\n");
}

// A file that is there but cannot be read whole is never written over.

TEST_F(DictDataFileTest, AReadThatFailsPartwayIsNoEndOfTheFileAndTheFileIsKept) {
    corvale::testing::FaultyFiles files;
    DictDataFile flags{kPath, files};
    const std::string whole = "change_location_insufficient_funds=1\nkickoff=1\nraid=1\n";
    WriteFile(kPath, whole);
    files.failReadAfter(kPath, 20);
    EXPECT_FALSE(flags.load());
    EXPECT_TRUE(Logged("'Corvale/Test.dat' could not be read to its end, it is left as it is"));
    EXPECT_FALSE(flags.writable());
    flags.setInt("sabotage", 1);
    EXPECT_FALSE(flags.save(false));
    EXPECT_FALSE(flags.save(true));
    EXPECT_EQ(ReadFile(kPath), whole);
    EXPECT_EQ(LogMessages().back(),
              "not saving 'Corvale/Test.dat': it was not read whole and is left as it is");
    EXPECT_FALSE(Logged("saving Corvale/Test.dat"));
}

TEST_F(DictDataFileTest, AFileHeldByAnotherProgramIsNotWrittenOverEither) {
    corvale::testing::FaultyFiles files;
    DictDataFile flags{kPath, files};
    WriteFile(kPath, "kickoff=1\n");
    files.refuseOpen(kPath);
    EXPECT_FALSE(flags.load());
    EXPECT_TRUE(Logged("unable to load from data file, please make sure it exists."));
    flags.setInt("raid", 1);
    EXPECT_FALSE(flags.save(false));
    EXPECT_EQ(ReadFile(kPath), "kickoff=1\n");
}

TEST_F(DictDataFileTest, AMissingFileIsCreatedByTheFirstSave) {
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(file.writable());
    file.setInt("kickoff", 1);
    EXPECT_TRUE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "kickoff=1\n");
}

TEST_F(DictDataFileTest, ABadLineStopsTheLoadAndTheFileIsNotWrittenOver) {
    WriteFile(kPath, "a=1\nbroken\nb=2\n");
    EXPECT_FALSE(file.load());
    file.setInt("a", 2);
    EXPECT_FALSE(file.save(false));
    EXPECT_EQ(ReadFile(kPath), "a=1\nbroken\nb=2\n");
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

TEST_F(DictDataFileTest, ANumberNoGetterCanUseGivesTheDefaultAndOneLogLinePerKey) {
    Load("word=abc\nhuge=3000000000\nf=0.25\nfast=fast\nover=1e39\nnan=nan\ninf=-inf\n");
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(file.getInt("word", 30), 30);
        EXPECT_EQ(file.getInt("huge", 30), 30);
        EXPECT_FLOAT_EQ(file.getFloat("f", 1.0f), 0.25f);
        EXPECT_FLOAT_EQ(file.getFloat("fast", 1.5f), 1.5f);
        EXPECT_FLOAT_EQ(file.getFloat("over", 1.5f), 1.5f);
        EXPECT_FLOAT_EQ(file.getFloat("nan", 0.2f), 0.2f);
        EXPECT_FLOAT_EQ(file.getFloat("inf", 0.2f), 0.2f);
    }
    EXPECT_TRUE(Logged("'Corvale/Test.dat': word is not a number that can be used: abc, using 30"));
    EXPECT_TRUE(
        Logged("'Corvale/Test.dat': huge is not a number that can be used: 3000000000, using 30"));
    EXPECT_TRUE(Logged("'Corvale/Test.dat': nan is not a number that can be used: nan, using 0.2"));
    // Load's three lines and one per bad key, however often it is read.
    EXPECT_EQ(LogMessages().size(), 3u + 6u);
}

TEST_F(DictDataFileTest, ABrokenValueReadsAsTheShippedOneWhereThereIsOne) {
    DictDataFile shipped{"AI.dat as shipped"};
    shipped.readLines("guard.sight_range=30\nguard.min_sight_range=4\n");
    file.setShipped(&shipped);
    Load("guard.sight_range=thirty\nguard.min_sight_range=four\nguard.noise_range=x\n");
    EXPECT_EQ(file.getInt("guard.sight_range", -999), 30);
    EXPECT_FLOAT_EQ(file.getFloat("guard.min_sight_range", -999.0f), 4.0f);
    EXPECT_EQ(file.getInt("guard.noise_range", 12), 12) << "not shipped: the caller's default";
    EXPECT_TRUE(Logged("'Corvale/Test.dat': guard.sight_range is not a number that can be "
                       "used: thirty, using 30"));
}

TEST_F(DictDataFileTest, GetBoolIsFalseFor0AndMinus999AndTrueForOtherNumbers) {
    Load("zero=0\nunset=-999\ntwo=2\nminus=-1\nempty==\nword=yes\n");
    EXPECT_FALSE(file.getBool("zero"));
    EXPECT_FALSE(file.getBool("unset"));
    EXPECT_TRUE(file.getBool("two"));
    EXPECT_TRUE(file.getBool("minus"));
    EXPECT_FALSE(file.getBool("empty"));
    EXPECT_FALSE(file.getBool("absent"));
    // A tutorial flag written as "yes": read as not shown, and said once.
    EXPECT_FALSE(file.getBool("word"));
    EXPECT_FALSE(file.getBool("word"));
    EXPECT_TRUE(Logged("'Corvale/Test.dat': word is not a number that can be used: yes, using 0"));
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
    // These would load back as other text, or not at all.
    file.set("", "empty key");
    file.set("spaced key ", "v");
    file.set("k", " spaced value");
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
    file.set("lang.text", "Moonshine Camp, Bayou Nwa");
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
