// Wrappers whose behaviour lies in how they use the game's answers: random picks, the law,
// speech blocks, inventory removal and its feed entry, ground probes, zones and weapons.
#include "core/natives/DebugTools.h"
#include "core/natives/Ground.h"
#include "core/natives/Inventory.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Weapons.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::FakeHost;

namespace {

constexpr uint64_t kGetHashKey = 0xfd340785adf8cfb7;
constexpr uint64_t kRandomInt = 0xd53343aa4fb7dd28;
constexpr uint64_t kRelationshipGroup = 0x7dbdd04862d95f04;
constexpr uint64_t kSpeechPlaying = 0x729072355fa39ec9;
constexpr uint64_t kPlaySpeech = 0x8e04fedd28d42462;
constexpr uint64_t kPlayerPedId = 0x096275889b8e0ee0;
constexpr uint64_t kInventoryOfPed = 0x13d234a2a3f66e63;
constexpr uint64_t kRemoveItem = 0xb4158c8c9a3b5dce;
constexpr uint64_t kVerticalProbe = 0x2b3451fa1e3142e2;
constexpr uint64_t kGroundZ = 0x24fa4267bb8d2431;
constexpr uint64_t kRandomFloat = 0xe29f927a961f8aaa;
constexpr uint64_t kEntityCoords = 0xa86d5f069399f44d;
constexpr uint64_t kZoneAt = 0x43ad8fc02b429d33;
constexpr uint64_t kHasWeapon = 0x8decb02f88f428bc;
constexpr uint64_t kGiveWeapon = 0xb282dc6ebd803c75;
constexpr uint64_t kSetCurrentWeapon = 0xadf692b254977c0c;

uint64_t FloatSlot(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

float SlotFloat(uint64_t slot) {
    const uint32_t bits = static_cast<uint32_t>(slot);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Names hash to a fixed value per text, so tests can tell them apart.
uint64_t FakeHash(const std::vector<uint64_t>& args) {
    const std::string text = reinterpret_cast<const char*>(args[0]);
    if (text == "REL_COP") return 0x0C0C0C0C;
    if (text == "REMOVE_REASON_DEFAULT") return 0x0DEFA017;
    return 0x11111111;
}

struct Feed {
    bool positive;
    Hash item;
    std::string dict;
    Hash icon;
};
std::vector<Feed> gFeed;
void RecordFeed(bool positive, Hash item, const char* dict, Hash icon) {
    gFeed.push_back(Feed{positive, item, dict ? dict : "", icon});
}

} // namespace

TEST(RandomElement, AnEmptyListGivesZeroWithoutDrawing) {
    FakeHost host;
    const Vector3 v = RandomElement(std::span<const Vector3>{});
    EXPECT_EQ(v.x, 0.0f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_EQ(v.z, 0.0f);
    EXPECT_EQ(RandomElement(std::span<const Entity>{}), 0);
    EXPECT_TRUE(host.calls().empty());
}

TEST(RandomElement, DrawsAnIndexBelowTheListSize) {
    FakeHost host;
    host.answer(kRandomInt, 2);
    const std::vector<Entity> peds{0x101, 0x102, 0x103};
    EXPECT_EQ(RandomElement(peds), 0x103);
    EXPECT_EQ(host.callsTo(kRandomInt).at(0).args, (std::vector<uint64_t>{0, 3}));
    const std::vector<Vector3> spots{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
    host.answer(kRandomInt, 1);
    EXPECT_EQ(RandomElement(spots).x, 2.0f);
}

TEST(IsLawPed, TrueForTheCopGroupAndTheLawsOtherGroupOnly) {
    FakeHost host;
    host.answer(kGetHashKey, FakeHash);
    host.answer(kRelationshipGroup, 0x0C0C0C0C);
    EXPECT_TRUE(IsLawPed(0x200));
    host.answer(kRelationshipGroup, 0xCB2DC17A);
    EXPECT_TRUE(IsLawPed(0x200));
    host.answer(kRelationshipGroup, 0x11111111);
    EXPECT_FALSE(IsLawPed(0x200));
}

TEST(PedSay, PassesLineVoiceAndPedInTheSevenSlotBlock) {
    FakeHost host;
    std::vector<uint64_t> block;
    host.answer(kPlaySpeech, [&](const std::vector<uint64_t>& args) {
        const auto* slots = reinterpret_cast<const uint64_t*>(args[1]);
        block.assign(slots, slots + 7);
        return uint64_t{1};
    });
    const char* line = "GENERIC_GOODBYE";
    const char* voice = "0405_U_M_M_RhdSheriff_01";
    PedSay(0x345, line, voice);
    ASSERT_EQ(block.size(), 7u);
    EXPECT_EQ(block[0], reinterpret_cast<uintptr_t>(line));
    EXPECT_EQ(block[1], reinterpret_cast<uintptr_t>(voice));
    EXPECT_EQ((std::vector<uint64_t>(block.begin() + 2, block.end())),
              (std::vector<uint64_t>{1, 0x67F3AB43, 0x345, 1, 1}));
}

TEST(PedSay, StaysQuietWhileThePedIsSpeaking) {
    FakeHost host;
    host.answer(kSpeechPlaying, 1);
    PedSay(0x345, "WHAT_WAS_THAT", "voice");
    EXPECT_TRUE(host.callsTo(kPlaySpeech).empty());
}

struct RemoveItemTest : ::testing::Test {
    void SetUp() override {
        host.answer(kGetHashKey, FakeHash);
        host.answer(kPlayerPedId, kPlayer);
        host.answer(kInventoryOfPed, 1);
        RefreshPlayerPed();
        gFeed.clear();
        SetTransactionNotifier(RecordFeed);
    }
    void TearDown() override {
        SetTransactionNotifier(nullptr);
        SetDebugToolsOn(false);
    }
    static constexpr Ped kPlayer = 0x100;
    FakeHost host;
};

TEST_F(RemoveItemTest, TakesTheItemsAndShowsANegativeEntryWithTheItemAsIcon) {
    RemoveItem(kPlayer, 0xABCD, 2, "inventory_items", 0, true);
    ASSERT_EQ(host.callsTo(kRemoveItem).size(), 1u);
    EXPECT_EQ(host.callsTo(kRemoveItem)[0].args, (std::vector<uint64_t>{1, 0xABCD, 2, 0x0DEFA017}));
    EXPECT_EQ(host.callsTo(kInventoryOfPed)[0].args, (std::vector<uint64_t>{kPlayer}));
    ASSERT_EQ(gFeed.size(), 1u);
    EXPECT_FALSE(gFeed[0].positive);
    EXPECT_EQ(gFeed[0].item, 0xABCDu);
    EXPECT_EQ(gFeed[0].dict, "inventory_items");
    EXPECT_EQ(gFeed[0].icon, 0xABCDu) << "icon 0 stands for the item's own icon";
}

TEST_F(RemoveItemTest, AGivenIconIsKept) {
    RemoveItem(kPlayer, 0xABCD, 1, "dict", 0x5151, true);
    ASSERT_EQ(gFeed.size(), 1u);
    EXPECT_EQ(gFeed[0].icon, 0x5151u);
}

TEST_F(RemoveItemTest, OnlyThePlayersRemovalsWithNotifyShowAnEntry) {
    RemoveItem(0x777, 0xABCD, 1, "inventory_items", 0, true);
    RemoveItem(kPlayer, 0xABCD, 1, "inventory_items", 0, false);
    EXPECT_TRUE(gFeed.empty());
    EXPECT_EQ(host.callsTo(kRemoveItem).size(), 2u);
}

TEST_F(RemoveItemTest, WithDebugToolsOnNothingIsTakenButTheEntryStillShows) {
    SetDebugToolsOn(true);
    RemoveItem(kPlayer, 0xABCD, 1, "inventory_items", 0, true);
    EXPECT_TRUE(host.callsTo(kRemoveItem).empty());
    EXPECT_TRUE(host.callsTo(kInventoryOfPed).empty());
    EXPECT_EQ(gFeed.size(), 1u);
}

TEST(HeightAboveGround, IsTheHeightOverTheSurfaceTheProbeFinds) {
    FakeHost host;
    bool found = true;
    host.answer(kVerticalProbe, [&](const std::vector<uint64_t>& args) {
        const float ground = 2.5f;
        std::memcpy(reinterpret_cast<void*>(args[4]), &ground, sizeof ground);
        return found ? uint64_t{1} : uint64_t{0};
    });
    EXPECT_FLOAT_EQ(HeightAboveGround({1, 2, 10}), 7.5f);
    EXPECT_EQ(host.callsTo(kVerticalProbe)[0].args[3], 0u);
    found = false;
    EXPECT_EQ(HeightAboveGround({1, 2, 10}), 0.0f)
        << "the written value counts only when the probe succeeded";
}

TEST(RandomPointAround, LiesAtTheRadiusAndSnapsToTheGroundFromTenMetresUp) {
    FakeHost host;
    host.answer(kRandomFloat, FloatSlot(0.25f)); // a quarter turn: due +y
    host.answer(kGroundZ, [](const std::vector<uint64_t>& args) {
        const float ground = 4.0f;
        std::memcpy(reinterpret_cast<void*>(args[3]), &ground, sizeof ground);
        return uint64_t{1};
    });
    const Vector3 raised = RandomPointAround({10, 20, 30}, 5.0f, false);
    EXPECT_NEAR(raised.x, 10.0f, 1e-3f);
    EXPECT_NEAR(raised.y, 25.0f, 1e-3f);
    EXPECT_FLOAT_EQ(raised.z, 30.3f);
    EXPECT_TRUE(host.callsTo(kGroundZ).empty());
    const Vector3 snapped = RandomPointAround({10, 20, 30}, 5.0f, true);
    EXPECT_EQ(snapped.z, 4.0f);
    EXPECT_EQ(SlotFloat(host.callsTo(kGroundZ)[0].args[2]), 40.0f);
    EXPECT_EQ(host.callsTo(kGroundZ)[0].args[4], 1u);
}

TEST(LookupAtEntity, FallsBackThroughZoneTypesOneTenEleven) {
    FakeHost host;
    host.answer(kEntityCoords, FloatSlot(3.0f));
    std::vector<uint64_t> typesAsked;
    host.answer(kZoneAt, [&](const std::vector<uint64_t>& args) {
        typesAsked.push_back(args[3]);
        return args[3] == 11 ? uint64_t{0x1B6880B3} : uint64_t{0};
    });
    EXPECT_EQ(LookupAtEntity(0x400), 0x1B6880B3u);
    EXPECT_EQ(typesAsked, (std::vector<uint64_t>{1, 10, 11}));
    EXPECT_EQ(SlotFloat(host.callsTo(kZoneAt)[0].args[0]), 3.0f)
        << "asked at the entity's position";
    typesAsked.clear();
    host.answer(kZoneAt, 0x99);
    EXPECT_EQ(LookupAtEntity(0x400), 0x99u);
    host.answer(kZoneAt, 0);
    EXPECT_EQ(LookupAtEntity(0x400), 0u);
}

TEST(GiveWeapon, GivesOnlyWhatThePedLacksAndEquipsOnlyWhenAsked) {
    FakeHost host;
    host.answer(kHasWeapon, 1);
    GiveWeapon(0x500, 0x797FBF5, 99, false);
    EXPECT_TRUE(host.callsTo(kGiveWeapon).empty());
    EXPECT_TRUE(host.callsTo(kSetCurrentWeapon).empty());
    host.answer(kHasWeapon, 0);
    GiveWeapon(0x500, 0x797FBF5, 99, true);
    EXPECT_EQ(host.callsTo(kGiveWeapon).at(0).args,
              (std::vector<uint64_t>{0x500, 0x797FBF5, 99, 0, 0}));
    EXPECT_EQ(host.callsTo(kSetCurrentWeapon).at(0).args,
              (std::vector<uint64_t>{0x500, 0x797FBF5, 1, 0, 0, 0}));
}
