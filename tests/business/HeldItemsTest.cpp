// What the flavours page reads of the player's satchel: a count asked of the game once a
// frame, the ped's inventory once per ped, and the count's text written only when it changes.
#include "business/HeldItems.h"
#include "Hash.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <string>

using namespace corvale::business;
using corvale::testing::ScriptHarness;

TEST(HeldItems, CountsFollowTheSatchelFromFrameToFrame) {
    ScriptHarness h;
    HeldItems held;
    held.learn("consumable_peach");
    const uint32_t peach = sim::GameHash("consumable_peach");
    const corvale::Ped ped = h.world().player.ped;
    EXPECT_EQ(held.hashOf("consumable_peach"), peach) << "the hash the event carries";

    held.beginFrame(ped);
    EXPECT_EQ(held.count("consumable_peach"), 0);
    EXPECT_EQ(std::string(held.countText("consumable_peach")), "0");
    const char* text = held.countText("consumable_peach");
    const uint64_t asked = h.callsOf("_INVENTORY_GET_INVENTORY_ITEM_COUNT_WITH_ITEMID");
    EXPECT_EQ(asked, 1u) << "asked once in a frame, however often the page reads it";

    h.world().player.items[peach] = 2; // picked up two
    EXPECT_EQ(held.count("consumable_peach"), 0) << "what the game said this frame stands";
    held.beginFrame(ped);
    EXPECT_EQ(held.count("consumable_peach"), 2);
    EXPECT_EQ(std::string(held.countText("consumable_peach")), "2");
    EXPECT_EQ(held.countText("consumable_peach"), text) << "written again in its own place";
    held.beginFrame(ped);
    h.world().player.items[peach] = 12;
    EXPECT_EQ(std::string(held.countText("consumable_peach")), "12");
    EXPECT_EQ(h.callsOf("_INVENTORY_GET_INVENTORY_ID_FROM_PED"), 1u)
        << "the same ped keeps its inventory";
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(HeldItems, AnotherPedIsAskedForItsOwnInventory) {
    ScriptHarness h;
    HeldItems held;
    held.learn("consumable_apple");
    held.beginFrame(0); // no player ped yet: no inventory
    EXPECT_EQ(held.count("consumable_apple"), 0);
    h.world().player.items[sim::GameHash("consumable_apple")] = 1;
    held.beginFrame(h.world().player.ped);
    EXPECT_EQ(held.count("consumable_apple"), 1) << "the inventory of no ped is not kept";
    EXPECT_EQ(h.callsOf("_INVENTORY_GET_INVENTORY_ID_FROM_PED"), 2u);
}
