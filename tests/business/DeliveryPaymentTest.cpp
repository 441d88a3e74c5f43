// The sale of a batch on the simulated world, seen at the moment the money changes hands:
// by then the still's file already says the batch is gone, so quitting the game right
// after being paid can never keep the batch to sell again.
#include "scenario/Scenario.h"
#include "support/BuiltPlugins.h"
#include "support/ScriptHarness.h"

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string SaveOnDisk(const std::string& gameDir) {
    std::ifstream in(gameDir + "/Corvale/Savegame2.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr const char* kDelivery = "plugins business\n"
                                  "file Corvale/Savegame2.dat <<END\n"
                                  "0 2 2 100 1\n"
                                  "END\n"
                                  "frames 2\n"
                                  "event CORVALE_CAMP_LOCATION_SET 2025841068 1750 -1168 41\n"
                                  "seconds 1.5\n"
                                  "player at 1752 -1168.3 41.611\n"
                                  "frames 2\n"
                                  "prompt \"Start Delivery\"\n"
                                  "seconds 3\n"
                                  "player to-blip \"Buyer\" 10\n"
                                  "seconds 7\n"
                                  "expect cash 6840\n";

} // namespace

TEST(DeliveryPayment, TheSaveSaysTheBatchIsGoneBeforeThePlayerIsPaid) {
    sim::ScenarioRun run(corvale::testing::BuiltPluginSettings());
    std::vector<std::string> savedWhenPaid;
    corvale::testing::WatchNative(
        run.sim(), "_MONEY_INCREMENT_CASH_BALANCE",
        [&](const sim::NativeArgs&) { savedWhenPaid.push_back(SaveOnDisk(run.gameDir())); });
    EXPECT_EQ(run.run(sim::ParseScenarioText(kDelivery, "inline")), 0);
    ASSERT_EQ(savedWhenPaid.size(), 1u);
    EXPECT_EQ(savedWhenPaid[0], "0 0 0 0 0 ");
}
