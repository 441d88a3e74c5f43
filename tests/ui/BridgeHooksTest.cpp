// Once the kit is installed, the bridge's item removals and debug texts reach the screen.
#include "ui/BridgeHooks.h"
#include "KitHost.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {
constexpr uint64_t kPlayerPedId = 0x096275889b8e0ee0;
constexpr uint64_t kPostSideToast = 0xb249ebcb30dd88e0;
} // namespace

TEST(InstallBridgeHooks, AnItemTakenFromThePlayerShowsANegativeTransaction) {
    kit::KitHost host;
    host.answer(kPlayerPedId, 0x100);
    RefreshPlayerPed();
    InstallBridgeHooks();
    RemoveItem(0x100, 0xABCD1234, 2, "inventory_items", 0, true);
    const auto posts = host.callsTo(kPostSideToast);
    ASSERT_EQ(posts.size(), 1u);
    const uint64_t* display = reinterpret_cast<const uint64_t*>(posts[0].args[0]);
    const uint64_t* content = reinterpret_cast<const uint64_t*>(posts[0].args[1]);
    EXPECT_EQ(kit::S(display[2]), "Transaction_Negative");
    EXPECT_EQ(kit::S(content[2]), "inventory_items");
    EXPECT_EQ(content[3], 0xABCD1234u);
}

TEST(InstallBridgeHooks, TheBridgesDebugTextIsDrawnByTheKit) {
    kit::KitHost host;
    InstallBridgeHooks();
    DrawBridgeDebugText("loading script@campfire");
    const auto texts = host.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].markup, kit::Markup("$title", "loading script@campfire"));
}
