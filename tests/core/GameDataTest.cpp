// A plug-in's five data files: load order, where the chain stops, and the optional tutorial
// flags.
#include "core/data/GameData.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

class LoadFilesTest : public corvale::testing::GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        WriteDataFiles(131399519);
    }

    // The files named by "loading data file: " lines, in log order.
    static std::vector<std::string> FilesOpened() {
        const std::string marker = "loading data file: ";
        std::vector<std::string> files;
        for (const std::string& line : LogMessages())
            if (line.rfind(marker, 0) == 0) files.push_back(line.substr(marker.size()));
        return files;
    }

    GameData data;
};

TEST_F(LoadFilesTest, LoadsTheFiveFilesInOrder) {
    ASSERT_TRUE(data.loadFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{
                                 "Corvale/Lang.dat", "Corvale/GeneralMeta.dat", "Corvale/AI.dat",
                                 "Corvale/Savegame.dat", "Corvale/TutorialFlags.dat"}));
    EXPECT_EQ(data.langFile()->getString("blips.camp"), "Moonshine Camp");
    EXPECT_EQ(data.generalMetaFile()->getInt("auto_save_frequency_seconds", 0), 30);
    EXPECT_EQ(data.aiFile()->getInt("guard.sight_range", -999), 35);
    EXPECT_EQ(data.savegameFile()->getInt("operation.location", -1), 131399519);
    EXPECT_TRUE(data.tutorialFlagsFile()->getBool("kickoff"));
    EXPECT_EQ(data.savegameFile()->path(), "Corvale/Savegame.dat");
}

TEST_F(LoadFilesTest, AMissingAiFileStopsTheChainBeforeTheSaveIsOpened) {
    std::filesystem::remove("Corvale/AI.dat");
    EXPECT_FALSE(data.loadFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{
                                 "Corvale/Lang.dat", "Corvale/GeneralMeta.dat", "Corvale/AI.dat"}));
    ASSERT_NE(data.langFile(), nullptr);
    EXPECT_EQ(data.generalMetaFile()->getInt("auto_save_frequency_seconds", 0), 30);
    EXPECT_EQ(data.savegameFile(), nullptr);
    EXPECT_EQ(data.tutorialFlagsFile(), nullptr);
}

TEST_F(LoadFilesTest, ACorruptLanguageFileStopsTheChainAtOnce) {
    WriteFile("Corvale/Lang.dat", "blips.camp=\n");
    EXPECT_FALSE(data.loadFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{"Corvale/Lang.dat"}));
    EXPECT_EQ(data.generalMetaFile(), nullptr);
}

TEST_F(LoadFilesTest, AMissingSaveFailsStartUp) {
    std::filesystem::remove("Corvale/Savegame.dat");
    EXPECT_FALSE(data.loadFiles());
    EXPECT_EQ(data.tutorialFlagsFile(), nullptr);
}

TEST_F(LoadFilesTest, MissingTutorialFlagsAreLoggedAndStartUpGoesOn) {
    std::filesystem::remove("Corvale/TutorialFlags.dat");
    EXPECT_TRUE(data.loadFiles());
    EXPECT_TRUE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    ASSERT_NE(data.tutorialFlagsFile(), nullptr);
    EXPECT_FALSE(data.tutorialFlagsFile()->getBool("kickoff"));
}

TEST_F(LoadFilesTest, EmptyTutorialFlagsLoadWithOneLineAndNothingShown) {
    WriteFile("Corvale/TutorialFlags.dat", "");
    EXPECT_TRUE(data.loadFiles());
    EXPECT_TRUE(Logged("'Corvale/TutorialFlags.dat' loaded, lines red: 1"));
    EXPECT_FALSE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    EXPECT_FALSE(data.tutorialFlagsFile()->getBool("kickoff"));
}

TEST_F(LoadFilesTest, TheBusinessPluginReadsItsOwnLanguageFileFirst) {
    std::filesystem::remove("Corvale/Lang.dat");
    WriteFile("Corvale/Lang2.dat", "delivery.boardWagon=Get on the wagon.\n");
    EnableLog(false);
    EXPECT_TRUE(data.loadFiles("Lang2.dat"));
    EXPECT_EQ(data.langFile()->getString("delivery.boardWagon"), "Get on the wagon.");
    EXPECT_EQ(data.langFile()->path(), "Corvale/Lang2.dat");
    EXPECT_FALSE(std::filesystem::exists("Corvale/Camp.log")) << "the business plug-in is silent";
}

TEST_F(LoadFilesTest, ABadTutorialLineCostsNoOtherFlagWhenTheFileIsNextWritten) {
    WriteFile("Corvale/TutorialFlags.dat",
              "camp_raids=1\nlaw_near_camp\nkickoff=1\nsabotage_still=yes\n");
    EXPECT_TRUE(data.loadFiles());
    DictDataFile& flags = *data.tutorialFlagsFile();
    EXPECT_TRUE(Logged("'Corvale/TutorialFlags.dat' skipped line 1: law_near_camp"));
    EXPECT_TRUE(flags.getBool("camp_raids"));
    EXPECT_TRUE(flags.getBool("kickoff"));
    EXPECT_FALSE(flags.getBool("sabotage_still"));
    flags.setInt("sabotage_still", 1);
    flags.setInt("law_near_camp", 1);
    ASSERT_TRUE(flags.save(false));
    EXPECT_EQ(ReadFile("Corvale/TutorialFlags.dat"),
              "camp_raids=1\nkickoff=1\nlaw_near_camp=1\nsabotage_still=1\n");
}

TEST_F(LoadFilesTest, TutorialFlagsReadOnlyInPartAreNeverWrittenBack) {
    corvale::testing::FaultyFiles files;
    GameData faulty(files);
    const std::string flags = "camp_raids=1\nkickoff=1\nlaw_near_camp=1\n";
    WriteFile("Corvale/TutorialFlags.dat", flags);
    files.failReadAfter("Corvale/TutorialFlags.dat", 14);
    EXPECT_TRUE(faulty.loadFiles());
    EXPECT_TRUE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    faulty.tutorialFlagsFile()->setInt("sabotage_still", 1);
    EXPECT_FALSE(faulty.tutorialFlagsFile()->save(false));
    EXPECT_EQ(ReadFile("Corvale/TutorialFlags.dat"), flags);
}

TEST_F(LoadFilesTest, ATuningValueThePlayerBrokeReadsAsTheShippedOne) {
    WriteFile("Corvale/AI.dat", "guard.sight_range=thirty\nguard.hearing_range=99999999999\n");
    WriteFile("Corvale/GeneralMeta.dat", "stats.influence.degradation_factor=nan\n");
    ASSERT_TRUE(data.loadFiles());
    EXPECT_EQ(data.aiFile()->getInt("guard.sight_range", -999), 30);
    EXPECT_EQ(data.aiFile()->getInt("guard.hearing_range", -999), 60);
    EXPECT_FLOAT_EQ(data.generalMetaFile()->getFloat("stats.influence.degradation_factor", 0.25f),
                    0.25f);
    EXPECT_TRUE(Logged("'Corvale/AI.dat': guard.sight_range is not a number that can be used: "
                       "thirty, using 30"));
}

TEST_F(LoadFilesTest, LoadingAgainForgetsFilesOfTheEarlierRun) {
    ASSERT_TRUE(data.loadFiles());
    std::filesystem::remove("Corvale/GeneralMeta.dat");
    EXPECT_FALSE(data.loadFiles());
    EXPECT_EQ(data.savegameFile(), nullptr);
}

} // namespace
