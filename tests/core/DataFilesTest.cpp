// The five process-wide data files: load order, where the chain stops, and the optional
// tutorial flags.
#include "core/data/DataFiles.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

class LoadDataFilesTest : public corvale::testing::GameFolderTest {
  protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        ResetDataFiles();
        WriteFile("Corvale/Lang.dat", "blips.camp=Moonshine Camp\n");
        WriteFile("Corvale/GeneralMeta.dat", "auto_save_frequency_seconds=30\n");
        WriteFile("Corvale/AI.dat", "guard.sight_range=35\n");
        WriteFile("Corvale/Savegame.dat", "operation.location=131399519\n");
        WriteFile("Corvale/TutorialFlags.dat", "kickoff=1\n");
    }
    void TearDown() override {
        ResetDataFiles();
        GameFolderTest::TearDown();
    }

    // The files named by "loading data file: " lines, in log order.
    static std::vector<std::string> FilesOpened() {
        const std::string marker = "loading data file: ";
        std::vector<std::string> files;
        for (const std::string& line : LogMessages())
            if (line.rfind(marker, 0) == 0) files.push_back(line.substr(marker.size()));
        return files;
    }
};

TEST_F(LoadDataFilesTest, LoadsTheFiveFilesInOrder) {
    ASSERT_TRUE(LoadDataFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{
                                 "Corvale/Lang.dat", "Corvale/GeneralMeta.dat", "Corvale/AI.dat",
                                 "Corvale/Savegame.dat", "Corvale/TutorialFlags.dat"}));
    EXPECT_EQ(LangFile()->getString("blips.camp"), "Moonshine Camp");
    EXPECT_EQ(GeneralMetaFile()->getInt("auto_save_frequency_seconds", 0), 30);
    EXPECT_EQ(AiFile()->getInt("guard.sight_range", -999), 35);
    EXPECT_EQ(SavegameFile()->getInt("operation.location", -1), 131399519);
    EXPECT_TRUE(TutorialFlagsFile()->getBool("kickoff"));
    EXPECT_EQ(SavegameFile()->path(), "Corvale/Savegame.dat");
}

TEST_F(LoadDataFilesTest, AMissingAiFileStopsTheChainBeforeTheSaveIsOpened) {
    std::filesystem::remove("Corvale/AI.dat");
    EXPECT_FALSE(LoadDataFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{
                                 "Corvale/Lang.dat", "Corvale/GeneralMeta.dat", "Corvale/AI.dat"}));
    ASSERT_NE(LangFile(), nullptr);
    EXPECT_EQ(GeneralMetaFile()->getInt("auto_save_frequency_seconds", 0), 30);
    EXPECT_EQ(SavegameFile(), nullptr);
    EXPECT_EQ(TutorialFlagsFile(), nullptr);
}

TEST_F(LoadDataFilesTest, ACorruptLanguageFileStopsTheChainAtOnce) {
    WriteFile("Corvale/Lang.dat", "blips.camp=\n");
    EXPECT_FALSE(LoadDataFiles());
    EXPECT_EQ(FilesOpened(), (std::vector<std::string>{"Corvale/Lang.dat"}));
    EXPECT_EQ(GeneralMetaFile(), nullptr);
}

TEST_F(LoadDataFilesTest, AMissingSaveFailsStartUp) {
    std::filesystem::remove("Corvale/Savegame.dat");
    EXPECT_FALSE(LoadDataFiles());
    EXPECT_EQ(TutorialFlagsFile(), nullptr);
}

TEST_F(LoadDataFilesTest, MissingTutorialFlagsAreLoggedAndStartUpGoesOn) {
    std::filesystem::remove("Corvale/TutorialFlags.dat");
    EXPECT_TRUE(LoadDataFiles());
    EXPECT_TRUE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    ASSERT_NE(TutorialFlagsFile(), nullptr);
    EXPECT_FALSE(TutorialFlagsFile()->getBool("kickoff"));
}

TEST_F(LoadDataFilesTest, EmptyTutorialFlagsLoadWithOneLineAndNothingShown) {
    WriteFile("Corvale/TutorialFlags.dat", "");
    EXPECT_TRUE(LoadDataFiles());
    EXPECT_TRUE(Logged("'Corvale/TutorialFlags.dat' loaded, lines red: 1"));
    EXPECT_FALSE(Logged("TutorialFlags didn't load properly, continuing anyway."));
    EXPECT_FALSE(TutorialFlagsFile()->getBool("kickoff"));
}

TEST_F(LoadDataFilesTest, TheBusinessPluginReadsItsOwnLanguageFileFirst) {
    std::filesystem::remove("Corvale/Lang.dat");
    WriteFile("Corvale/Lang2.dat", "delivery.boardWagon=Get on the wagon.\n");
    EnableLog(false);
    EXPECT_TRUE(LoadDataFiles("Lang2.dat"));
    EXPECT_EQ(LangFile()->getString("delivery.boardWagon"), "Get on the wagon.");
    EXPECT_EQ(LangFile()->path(), "Corvale/Lang2.dat");
    EXPECT_FALSE(std::filesystem::exists("Corvale/Camp.log")) << "the business plug-in is silent";
}

TEST_F(LoadDataFilesTest, LoadingAgainForgetsFilesOfTheEarlierRun) {
    ASSERT_TRUE(LoadDataFiles());
    std::filesystem::remove("Corvale/GeneralMeta.dat");
    EXPECT_FALSE(LoadDataFiles());
    EXPECT_EQ(SavegameFile(), nullptr);
}

} // namespace
