// Calls the game would reject are protocol faults; the plug-ins' own encoding passes.
#include "Simulator.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Strings.h"
#include "host/HostApi.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

namespace {

struct ProtocolTest : ::testing::Test {
    void SetUp() override {
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        corvale::host::Install(corvale::host::PlatformHost());
    }
    void call(uint64_t hash, std::initializer_list<uint64_t> slots) {
        simulator->hostNativeInit(hash);
        for (uint64_t s : slots)
            simulator->hostNativePush(s);
        simulator->hostNativeCall();
    }
    std::unique_ptr<sim::Simulator> simulator;
};

const uint64_t kGetGameTimer = corvale::testing::NativeHash("GET_GAME_TIMER");
const uint64_t kRandomFloat = corvale::testing::NativeHash("GET_RANDOM_FLOAT_IN_RANGE");
const uint64_t kRandomInt = corvale::testing::NativeHash("GET_RANDOM_INT_IN_RANGE");

} // namespace

TEST_F(ProtocolTest, AWrongArgumentCountIsAFault) {
    call(kGetGameTimer, {1});
    ASSERT_EQ(simulator->faults().size(), 1u);
    EXPECT_NE(simulator->faults()[0].find("GET_GAME_TIMER"), std::string::npos);
}

TEST_F(ProtocolTest, AnUnknownHashIsAFaultNamingTheHash) {
    call(0x1234567890abcdef, {});
    ASSERT_EQ(simulator->faults().size(), 1u);
    EXPECT_NE(simulator->faults()[0].find("0x1234567890abcdef"), std::string::npos);
}

TEST_F(ProtocolTest, AnIntegerInAFloatSlotIsAFault) {
    call(kRandomFloat, {0, 1}); // 1 where the game reads 1.0f
    EXPECT_EQ(simulator->faults().size(), 1u);
}

TEST_F(ProtocolTest, ProperlyEncodedCallsAreAccepted) {
    corvale::Invoke<float>(kRandomFloat, 0.0f, 1.0f);
    const int32_t r = corvale::Invoke<int32_t>(kRandomInt, -1, 3);
    EXPECT_GE(r, -1);
    EXPECT_LT(r, 3);
    EXPECT_EQ(corvale::HashString("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(ProtocolTest, MinusOneTravelsAsTheLow32BitsOnly) {
    std::vector<uint64_t> seen;
    simulator->natives().override(
        kRandomInt, [&](sim::Simulator&, const sim::NativeArgs& a, sim::NativeResult&) {
            seen.assign(a.slots, a.slots + a.count);
        });
    corvale::Invoke<int32_t>(kRandomInt, -1, 0);
    EXPECT_EQ(seen, (std::vector<uint64_t>{0x00000000FFFFFFFFull, 0}));
}

TEST_F(ProtocolTest, TextLiteralHandlesResolveBackToTheirText) {
    const uint64_t handle = corvale::TextLiteral("Debug tools ON");
    const std::string* text = simulator->world().texts.resolve(handle);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, "Debug tools ON");
    EXPECT_EQ(simulator->world().texts.resolve(handle + 1), nullptr);
}

TEST_F(ProtocolTest, TheCensusCountsCallsAndArguments) {
    corvale::Invoke<int32_t>(kGetGameTimer);
    corvale::Invoke<int32_t>(kGetGameTimer);
    const auto& census = simulator->figures().census();
    ASSERT_EQ(census.count(kGetGameTimer), 1u);
    EXPECT_EQ(census.at(kGetGameTimer).calls, 2u);
    EXPECT_EQ(census.at(kGetGameTimer).args, 0u);
}
