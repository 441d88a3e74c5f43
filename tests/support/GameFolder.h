#pragma once
// A fresh game folder per test: the working directory moves into an empty temporary
// folder (with a "Corvale" folder, as the game's has) and moves back afterwards. The game is
// the simulator's: its clock reads 6 December 2026 09:05:03 until the game timer moves, and
// the camp log is switched on.
#include "core/log/Log.h"
#include "support/ScriptHarness.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace corvale::testing {

class GameFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "corvale-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::filesystem::current_path(folder_);
        std::filesystem::create_directory("Corvale");
        EnableLog(true);
    }

    void TearDown() override {
        EnableLog(false);
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    static void WriteFile(const std::string& path, std::string_view text) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The messages of Corvale/Camp.log, one per line, with the timestamp removed.
    static std::vector<std::string> LogMessages() {
        std::vector<std::string> messages;
        std::istringstream in(ReadFile("Corvale/Camp.log"));
        std::string line;
        while (std::getline(in, line)) {
            // The timestamp moves with the game timer: drop whatever stands in its brackets.
            const size_t stamp = line.find("] ");
            if (line.rfind("[", 0) == 0 && stamp != std::string::npos) line.erase(0, stamp + 2);
            messages.push_back(line);
        }
        return messages;
    }

    static bool Logged(std::string_view message) {
        for (const std::string& line : LogMessages())
            if (line == message) return true;
        return false;
    }

    ScriptHarness game;

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

} // namespace corvale::testing
