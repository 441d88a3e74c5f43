#pragma once
// The camp's site code run as the camp plug-in runs it, inside a script of the simulator,
// with the shipped data files loaded from a fresh game folder and the camp log captured.
#include "core/data/GameData.h"
#include "support/ScriptHarness.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace corvale::testing {

class SiteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.captureLog();
        const std::filesystem::path shipped =
            std::filesystem::path(corvale::testing::SourcePath()) / "data" / "Corvale";
        for (const auto& file : std::filesystem::directory_iterator(shipped))
            std::filesystem::copy_file(file.path(),
                                       std::filesystem::path("Corvale") / file.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        ASSERT_TRUE(data.loadFiles());
    }

    // Lines of the camp log that contain text.
    size_t logged(const std::string& text) const {
        const auto lines = h.logLines();
        return static_cast<size_t>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const std::string& l) { return l.find(text) != std::string::npos; }));
    }

    ScriptHarness h;
    GameData data;
};

} // namespace corvale::testing
