// Wrappers whose behaviour lies in how they use the game's answers, against the simulated
// world: random picks, the law, speech, inventory removal and its feed entry, ground probes,
// zones and weapons. Where the world has no say, a test answers one native itself.
#include "Hash.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Ground.h"
#include "core/natives/Inventory.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/natives/Weapons.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::NativeHash;
using corvale::testing::ScriptHarness;

namespace {

// Answers a native for this test instead of the simulated world.
void Answer(ScriptHarness& h, const char* native,
            std::function<void(const sim::NativeArgs&, sim::NativeResult&)> answer) {
    h.sim().natives().override(NativeHash(native),
                               [answer](sim::Simulator&, const sim::NativeArgs& a,
                                        sim::NativeResult& r) { answer(a, r); });
}

// Every call's slots of a native, the simulated world answering.
std::shared_ptr<std::vector<std::vector<uint64_t>>> Calls(ScriptHarness& h, const char* native) {
    auto calls = std::make_shared<std::vector<std::vector<uint64_t>>>();
    corvale::testing::WatchNative(h.sim(), native, [calls](const sim::NativeArgs& a) {
        calls->emplace_back(a.slots, a.slots + a.count);
    });
    return calls;
}

int32_t SpawnPedAt(ScriptHarness& h, const char* model, sim::Vec3 at = {}) {
    return h.world().spawn(sim::EntityKind::Ped, sim::GameHash(model), at, 0);
}

struct Feed {
    bool positive;
    Hash item;
    std::string dict;
    Hash icon;
};
// The transaction entries the bridge asks for, as the kit would receive them.
struct RecordedFeed final : TransactionFeed {
    void showTransaction(bool positive, Hash item, const char* dict, Hash icon) override {
        entries.push_back(Feed{positive, item, dict ? dict : "", icon});
    }
    std::vector<Feed> entries;
};

} // namespace

TEST(RandomElement, AnEmptyListGivesZeroWithoutDrawing) {
    ScriptHarness h;
    const Vector3 v = RandomElement(std::span<const Vector3>{});
    EXPECT_EQ(v.x, 0.0f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_EQ(v.z, 0.0f);
    EXPECT_EQ(RandomElement(std::span<const Entity>{}), 0);
    EXPECT_EQ(h.callsOf("GET_RANDOM_INT_IN_RANGE"), 0u);
}

TEST(RandomElement, DrawsAnIndexBelowTheListSize) {
    ScriptHarness h;
    int32_t draw = 2;
    std::vector<std::pair<int32_t, int32_t>> ranges;
    Answer(h, "GET_RANDOM_INT_IN_RANGE", [&](const sim::NativeArgs& a, sim::NativeResult& r) {
        ranges.emplace_back(a.i(0), a.i(1));
        r.setInt(draw);
    });
    const std::vector<Entity> peds{0x101, 0x102, 0x103};
    EXPECT_EQ(RandomElement(peds), 0x103);
    EXPECT_EQ(ranges, (std::vector<std::pair<int32_t, int32_t>>{{0, 3}}));
    const std::vector<Vector3> spots{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
    draw = 1;
    EXPECT_EQ(RandomElement(spots).x, 2.0f);
}

TEST(IsLawPed, TrueForTheCopGroupAndTheLawsOtherGroupOnly) {
    ScriptHarness h;
    const int32_t sheriff = SpawnPedAt(h, "U_M_M_RhdSheriff_01");
    const int32_t deputy = SpawnPedAt(h, "S_M_M_AmbientLawRural_01");
    const int32_t farmer = SpawnPedAt(h, "A_M_M_ValFarmer_01");
    h.world().peds.state[sheriff].relationship = sim::GameHash("REL_COP");
    h.world().peds.state[deputy].relationship = 0xCB2DC17A; // the law's other group
    h.world().peds.state[farmer].relationship = sim::GameHash("REL_CIVMALE");
    EXPECT_TRUE(IsLawPed(sheriff));
    EXPECT_TRUE(IsLawPed(deputy));
    EXPECT_FALSE(IsLawPed(farmer));
}

TEST(PedSay, PassesLineVoiceAndPedInTheSevenSlotBlock) {
    ScriptHarness h;
    const int32_t sheriff = SpawnPedAt(h, "U_M_M_RhdSheriff_01");
    std::vector<uint64_t> block;
    corvale::testing::WatchNative(h.sim(), "PLAY_PED_AMBIENT_SPEECH_NATIVE",
                                  [&](const sim::NativeArgs& a) {
                                      const auto* slots = a.p<const uint64_t>(1);
                                      block.assign(slots, slots + 7);
                                  });
    const char* line = "GENERIC_GOODBYE";
    const char* voice = "0405_U_M_M_RhdSheriff_01";
    PedSay(sheriff, line, voice);
    ASSERT_EQ(block.size(), 7u);
    EXPECT_EQ(block[0], reinterpret_cast<uintptr_t>(line));
    EXPECT_EQ(block[1], reinterpret_cast<uintptr_t>(voice));
    EXPECT_EQ((std::vector<uint64_t>(block.begin() + 2, block.end())),
              (std::vector<uint64_t>{1, 0x67F3AB43, static_cast<uint32_t>(sheriff), 1, 1}));
    ASSERT_EQ(h.world().peds.said.size(), 1u);
    EXPECT_EQ(h.world().peds.said[0].line, "GENERIC_GOODBYE");
}

TEST(PedSay, StaysQuietWhileThePedIsSpeaking) {
    ScriptHarness h;
    const int32_t sheriff = SpawnPedAt(h, "U_M_M_RhdSheriff_01");
    PedSay(sheriff, "GENERIC_GOODBYE", "voice");
    PedSay(sheriff, "WHAT_WAS_THAT", "voice");
    ASSERT_EQ(h.world().peds.said.size(), 1u) << "the second line would cut the first";
    EXPECT_EQ(h.callsOf("PLAY_PED_AMBIENT_SPEECH_NATIVE"), 1u);
}

struct RemoveItemTest : ::testing::Test {
    void SetUp() override {
        h.world().player.items[apple] = 5;
        RefreshPlayerPed();
    }
    int32_t apples() { return h.world().player.items[apple]; }

    ScriptHarness h;
    const uint32_t apple = sim::GameHash("consumable_apple");
    DebugTools debug;
    RecordedFeed recorded;
    std::vector<Feed>& feed = recorded.entries;
};

TEST_F(RemoveItemTest, TakesTheItemsAndShowsANegativeEntryWithTheItemAsIcon) {
    auto removals = Calls(h, "_INVENTORY_REMOVE_INVENTORY_ITEM_WITH_ITEMID");
    RemoveItem(PlayerPed(), apple, 2, "inventory_items", 0, debug, &recorded);
    EXPECT_EQ(apples(), 3);
    ASSERT_EQ(removals->size(), 1u);
    EXPECT_EQ(removals->at(0)[3], sim::GameHash("REMOVE_REASON_DEFAULT"));
    ASSERT_EQ(feed.size(), 1u);
    EXPECT_FALSE(feed[0].positive);
    EXPECT_EQ(feed[0].item, apple);
    EXPECT_EQ(feed[0].dict, "inventory_items");
    EXPECT_EQ(feed[0].icon, apple) << "icon 0 stands for the item's own icon";
    RemoveItem(PlayerPed(), apple, 5, "inventory_items", 0, debug, nullptr);
    EXPECT_EQ(apples(), 3) << "the game refuses to take more than there is";
}

TEST_F(RemoveItemTest, AGivenIconIsKept) {
    RemoveItem(PlayerPed(), apple, 1, "dict", 0x5151, debug, &recorded);
    ASSERT_EQ(feed.size(), 1u);
    EXPECT_EQ(feed[0].icon, 0x5151u);
}

TEST_F(RemoveItemTest, OnlyThePlayersRemovalsWithNotifyShowAnEntry) {
    const int32_t cook = SpawnPedAt(h, "CS_MP_MOONSHINER");
    RemoveItem(cook, apple, 1, "inventory_items", 0, debug, &recorded);
    RemoveItem(PlayerPed(), apple, 1, "inventory_items", 0, debug, nullptr);
    EXPECT_TRUE(feed.empty());
    EXPECT_EQ(h.callsOf("_INVENTORY_REMOVE_INVENTORY_ITEM_WITH_ITEMID"), 2u);
    EXPECT_EQ(apples(), 4) << "the cook's inventory is not the player's";
}

TEST_F(RemoveItemTest, WithDebugToolsOnNothingIsTakenButTheEntryStillShows) {
    debug.setOn(true);
    RemoveItem(PlayerPed(), apple, 1, "inventory_items", 0, debug, &recorded);
    EXPECT_EQ(apples(), 5);
    EXPECT_EQ(h.callsOf("_INVENTORY_GET_INVENTORY_ID_FROM_PED"), 0u);
    EXPECT_EQ(feed.size(), 1u);
}

TEST(HeightAboveGround, IsTheHeightOverTheGroundTheGameFinds) {
    ScriptHarness h;
    h.world().ground.flat = 2.5f;
    auto probes = Calls(h, "GET_GROUND_Z_FOR_3D_COORD");
    EXPECT_FLOAT_EQ(HeightAboveGround({1, 2, 10}), 7.5f);
    ASSERT_EQ(probes->size(), 1u);
    EXPECT_EQ(probes->at(0)[4], 0u);
    EXPECT_EQ(HeightAboveGround({1, 2, 1}), 0.0f)
        << "below the ground the probe fails: the written value does not count";
}

TEST(RandomPointAround, LiesAtTheRadiusAndSnapsToTheGroundFromTenMetresUp) {
    ScriptHarness h;
    h.world().ground.flat = 4.0f;
    Answer(h, "GET_RANDOM_FLOAT_IN_RANGE",
           [](const sim::NativeArgs&, sim::NativeResult& r) { r.setFloat(0.25f); }); // due +y
    auto groundAsked = Calls(h, "GET_GROUND_Z_FOR_3D_COORD");
    const Vector3 raised = RandomPointAround({10, 20, 30}, 5.0f, false);
    EXPECT_NEAR(raised.x, 10.0f, 1e-3f);
    EXPECT_NEAR(raised.y, 25.0f, 1e-3f);
    EXPECT_FLOAT_EQ(raised.z, 30.3f);
    EXPECT_TRUE(groundAsked->empty());
    const Vector3 snapped = RandomPointAround({10, 20, 30}, 5.0f, true);
    EXPECT_EQ(snapped.z, 4.0f);
    ASSERT_EQ(groundAsked->size(), 1u);
    const sim::NativeArgs asked{groundAsked->at(0).data(), groundAsked->at(0).size()};
    EXPECT_EQ(asked.f(2), 40.0f) << "from ten metres above the centre";
    EXPECT_EQ(asked.raw(4), 1u);
}

TEST(LookupAtEntity, FallsBackThroughZoneTypesOneTenEleven) {
    ScriptHarness h;
    const int32_t ped = SpawnPedAt(h, "A_M_M_ValFarmer_01", {3, 3, 3});
    auto asked = Calls(h, "_GET_MAP_ZONE_AT_COORDS");
    h.world().ground.zones.push_back(
        sim::MapZone{11, sim::GameHash("Emerald Ranch"), {0, 0, 0}, 50});
    EXPECT_EQ(LookupAtEntity(ped), sim::GameHash("Emerald Ranch"));
    ASSERT_EQ(asked->size(), 3u);
    EXPECT_EQ(asked->at(0)[3], 1u);
    EXPECT_EQ(asked->at(1)[3], 10u);
    EXPECT_EQ(asked->at(2)[3], 11u);
    EXPECT_EQ((sim::NativeArgs{asked->at(0).data(), 4}.f(0)), 3.0f)
        << "asked at the entity's position";
    h.world().ground.zones.push_back(sim::MapZone{1, sim::GameHash("heartlands"), {0, 0, 0}, 500});
    EXPECT_EQ(LookupAtEntity(ped), sim::GameHash("heartlands")) << "type 1 comes first";
    h.world().ground.zones.clear();
    EXPECT_EQ(LookupAtEntity(ped), 0u);
}

TEST(GiveWeapon, GivesOnlyWhatThePedLacksAndEquipsOnlyWhenAsked) {
    ScriptHarness h;
    const int32_t guard = SpawnPedAt(h, "A_M_M_Moonshiners_01");
    const Hash repeater = HashString("WEAPON_REPEATER_CARBINE");
    EXPECT_EQ(CurrentWeapon(guard), sim::GameHash("WEAPON_UNARMED"));
    h.world().weapons.of[guard].ammo[repeater] = 12;
    GiveWeapon(guard, repeater, 99, false);
    EXPECT_EQ(h.world().weapons.of[guard].ammo[repeater], 12) << "owned already: nothing given";
    EXPECT_EQ(h.world().weapons.of[guard].current, 0u);
    const Hash pistol = HashString("WEAPON_PISTOL_VOLCANIC");
    GiveWeapon(guard, pistol, 30, true);
    EXPECT_EQ(h.world().weapons.of[guard].ammo.at(pistol), 30);
    EXPECT_EQ(h.world().weapons.of[guard].current, pistol) << "equipped when asked";
    EXPECT_EQ(CurrentWeapon(guard), pistol) << "and read back as held";
    GiveWeapon(guard, pistol, 30, true);
    EXPECT_EQ(h.world().weapons.of[guard].ammo.at(pistol), 30) << "not given twice";
}
