// The simulator counts every file put in place by its name, as the rules tell writes of the
// saves by it: a move that fails is no write, and the name is the same in any case or folder.
#include "FileWrites.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(FileWrites, EveryFilePutInPlaceIsCountedByItsName) {
    const fs::path dir = fs::temp_directory_path() / "corvale-file-writes";
    fs::remove_all(dir);
    fs::create_directories(dir / "Corvale");
    const std::string to = (dir / "Corvale" / "Counted.dat").string();
    const uint64_t before = sim::FileReplacedCount(to.c_str());
    for (int i = 0; i < 3; ++i) {
        std::ofstream(to + ".new") << "same bytes\n";
        ASSERT_EQ(std::rename((to + ".new").c_str(), to.c_str()), 0);
    }
    EXPECT_EQ(sim::FileReplacedCount(to.c_str()), before + 3);
    EXPECT_EQ(sim::FileReplacedCount("Corvale\\COUNTED.DAT"), before + 3);
    EXPECT_EQ(sim::FileReplacedCount("Other.dat"), 0u);

    // Nothing to move: the file in place is still the old one.
    EXPECT_NE(std::rename((to + ".gone").c_str(), to.c_str()), 0);
    EXPECT_EQ(sim::FileReplacedCount(to.c_str()), before + 3);
    std::ifstream in(to);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "same bytes");
    fs::remove_all(dir);
}
