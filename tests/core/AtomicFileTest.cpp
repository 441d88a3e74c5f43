// Replacing a save file: all or nothing, and never a temporary file left behind.
#include "core/data/AtomicFile.h"
#include "support/GameFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr const char* kPath = "Corvale/Savegame2.dat";
constexpr const char* kTemporary = "Corvale/Savegame2.dat.tmp";

class ReplaceFileContentsTest : public corvale::testing::GameFolderTest {};

TEST_F(ReplaceFileContentsTest, CreatesAMissingFile) {
    ReplaceFailure failure = ReplaceFailure::CannotWrite;
    EXPECT_TRUE(ReplaceFileContents(kPath, "100 1 0 0 0 ", &failure));
    EXPECT_EQ(failure, ReplaceFailure::None);
    EXPECT_EQ(ReadFile(kPath), "100 1 0 0 0 ");
    EXPECT_FALSE(std::filesystem::exists(kTemporary));
}

TEST_F(ReplaceFileContentsTest, ReplacesTheWholeOldContent) {
    WriteFile(kPath, "45.5 2 3 54.5 1 and a long tail from an older format");
    EXPECT_TRUE(ReplaceFileContents(kPath, "0 0 0 0 0 "));
    EXPECT_EQ(ReadFile(kPath), "0 0 0 0 0 ");
}

TEST_F(ReplaceFileContentsTest, EmptyContentLeavesAnEmptyFile) {
    WriteFile(kPath, "old");
    EXPECT_TRUE(ReplaceFileContents(kPath, ""));
    EXPECT_TRUE(std::filesystem::exists(kPath));
    EXPECT_EQ(std::filesystem::file_size(kPath), 0u);
}

TEST_F(ReplaceFileContentsTest, AStaleTemporaryFileFromACrashIsOverwritten) {
    WriteFile(kTemporary, "half a save from a crash");
    EXPECT_TRUE(ReplaceFileContents(kPath, "fresh"));
    EXPECT_EQ(ReadFile(kPath), "fresh");
    EXPECT_FALSE(std::filesystem::exists(kTemporary));
}

TEST_F(ReplaceFileContentsTest, ATargetThatCannotBeReplacedIsRefusedAndTheTemporaryRemoved) {
    std::filesystem::create_directories(std::string(kPath) + "/held");
    ReplaceFailure failure = ReplaceFailure::None;
    EXPECT_FALSE(ReplaceFileContents(kPath, "new", &failure));
    EXPECT_EQ(failure, ReplaceFailure::ReplaceRefused);
    EXPECT_FALSE(std::filesystem::exists(kTemporary));
    EXPECT_TRUE(std::filesystem::is_directory(kPath));
}

TEST_F(ReplaceFileContentsTest, WithoutATemporaryFileTheOldContentStays) {
    WriteFile(kPath, "45.5 2 3 54.5 1 ");
    std::filesystem::create_directories(std::string(kTemporary) + "/held");
    ReplaceFailure failure = ReplaceFailure::None;
    EXPECT_FALSE(ReplaceFileContents(kPath, "0 0 0 0 0 ", &failure));
    EXPECT_EQ(failure, ReplaceFailure::CannotCreate);
    EXPECT_EQ(ReadFile(kPath), "45.5 2 3 54.5 1 ");
}

TEST_F(ReplaceFileContentsTest, AMissingFolderCannotHoldTheTemporaryFile) {
    std::filesystem::remove_all("Corvale");
    ReplaceFailure failure = ReplaceFailure::None;
    EXPECT_FALSE(ReplaceFileContents(kPath, "x", &failure));
    EXPECT_EQ(failure, ReplaceFailure::CannotCreate);
    EXPECT_FALSE(std::filesystem::exists("Corvale"));
}

} // namespace
