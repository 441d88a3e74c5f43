// Once the kit is installed, the bridge's item removals and debug texts reach the screen.
#include "ui/BridgeHooks.h"
#include "Hash.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

TEST(InstallBridgeHooks, AnItemTakenFromThePlayerShowsANegativeTransaction) {
    ScriptHarness h;
    h.world().player.items[sim::GameHash("consumable_apple")] = 3;
    RefreshPlayerPed();
    InstallBridgeHooks();
    RemoveItem(PlayerPed(), HashString("consumable_apple"), 2, "inventory_items", 0, true);
    const auto& feed = h.world().screen.feed;
    ASSERT_EQ(feed.size(), 1u);
    EXPECT_EQ(feed[0].kind, sim::FeedEntry::Kind::Transaction);
    EXPECT_EQ(feed[0].sound, "Transaction_Negative");
    EXPECT_EQ(feed[0].dictionary, "inventory_items");
    EXPECT_EQ(feed[0].icon, sim::GameHash("consumable_apple")) << "the item stands for its icon";
    EXPECT_EQ(h.world().player.items[sim::GameHash("consumable_apple")], 1);
}

TEST(InstallBridgeHooks, TheBridgesDebugTextIsDrawnByTheKit) {
    ScriptHarness h;
    InstallBridgeHooks();
    DrawBridgeDebugText("loading script@campfire");
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "loading script@campfire");
    EXPECT_EQ(texts[0].font, "$title");
}
