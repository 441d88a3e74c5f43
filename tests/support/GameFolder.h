#pragma once
// A fresh game folder per test (see BareGameFolder.h) with a game in it. The game is the
// simulator's: its clock reads 6 December 2026 09:05:03 until the game timer moves, and the
// camp log is switched on.
#include "core/log/Log.h"
#include "support/BareGameFolder.h"
#include "support/ScriptHarness.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace corvale::testing {

class GameFolderTest : public BareGameFolderTest {
  protected:
    void SetUp() override {
        BareGameFolderTest::SetUp();
        if (HasFatalFailure()) return;
        EnableLog(true);
    }

    void TearDown() override {
        EnableLog(false);
        BareGameFolderTest::TearDown();
    }

    // A plug-in's five data files, a line each; the save has the camp at location.
    static void WriteDataFiles(int32_t location) {
        WriteFile("Corvale/Lang.dat", "blips.camp=Moonshine Camp\n");
        WriteFile("Corvale/GeneralMeta.dat", "auto_save_frequency_seconds=30\n");
        WriteFile("Corvale/AI.dat", "guard.sight_range=35\n");
        WriteFile("Corvale/Savegame.dat", "operation.location=" + std::to_string(location) + "\n");
        WriteFile("Corvale/TutorialFlags.dat", "kickoff=1\n");
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
};

} // namespace corvale::testing
