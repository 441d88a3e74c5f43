#pragma once
// A fresh game folder per test and nothing else (no game, no log): the working directory moves
// into an empty temporary folder (with a "Corvale" folder, as the game's has) and moves back
// afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace corvale::testing {

class BareGameFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "corvale-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        std::filesystem::current_path(folder_);
        std::filesystem::create_directory("Corvale");
    }

    void TearDown() override {
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

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

} // namespace corvale::testing
