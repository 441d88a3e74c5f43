// The call protocol as the game receives it: one slot per argument, 32-bit values zero-extended
// in the low half, floats as their bits, results read from the low half or whole.
#include "core/natives/NativeCall.h"
#include "Hash.h"
#include "core/natives/Strings.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <vector>

using namespace corvale;
using corvale::testing::NativeHash;
using corvale::testing::ScriptHarness;
using corvale::testing::WatchNative;

namespace {

// Keeps in seen the slots the native received on its last call.
void Watch(ScriptHarness& h, const char* native, std::vector<uint64_t>& seen) {
    WatchNative(h.sim(), native,
                [&seen](const sim::NativeArgs& a) { seen.assign(a.slots, a.slots + a.count); });
}

} // namespace

TEST(NativeCall, IntegersTravelZeroExtendedInTheLowHalf) {
    ScriptHarness h;
    std::vector<uint64_t> seen;
    Watch(h, "GET_RANDOM_INT_IN_RANGE", seen);
    Invoke<int32_t>(NativeHash("GET_RANDOM_INT_IN_RANGE"), -1, uint32_t{0xCB2DC17A});
    EXPECT_EQ(seen, (std::vector<uint64_t>{0x00000000FFFFFFFFull, 0xCB2DC17Aull}));
}

TEST(NativeCall, FloatsAndBooleansTravelInTheLowHalf) {
    ScriptHarness h;
    std::vector<uint64_t> floats, bools;
    Watch(h, "GET_RANDOM_FLOAT_IN_RANGE", floats);
    Watch(h, "SET_ENTITY_VISIBLE", bools);
    Invoke<float>(NativeHash("GET_RANDOM_FLOAT_IN_RANGE"), 1.0f, -2.5f);
    EXPECT_EQ(floats, (std::vector<uint64_t>{0x3F800000ull, 0xC0200000ull}));
    Invoke(NativeHash("SET_ENTITY_VISIBLE"), 7, true);
    EXPECT_EQ(bools, (std::vector<uint64_t>{7, 1}));
    Invoke(NativeHash("SET_ENTITY_VISIBLE"), 7, false);
    EXPECT_EQ(bools, (std::vector<uint64_t>{7, 0}));
    EXPECT_TRUE(h.sim().faults().empty()) << "no integer in a float slot";
}

TEST(NativeCall, ResultsAreReadFromTheLowHalfOrWhole) {
    ScriptHarness h;
    uint64_t answer = 0;
    const uint64_t timer = NativeHash("GET_GAME_TIMER");
    h.sim().natives().override(timer, [&](sim::Simulator&, const sim::NativeArgs&,
                                          sim::NativeResult& r) { r.setU64(answer); });
    answer = 0xDEADBEEF00000005ull;
    EXPECT_EQ(Invoke<int32_t>(timer), 5);
    EXPECT_TRUE(Invoke<bool>(timer));
    EXPECT_EQ(Invoke<uint64_t>(timer), 0xDEADBEEF00000005ull);
    answer = 0xFFFFFFFF00000000ull;
    EXPECT_FALSE(Invoke<bool>(timer)) << "only the low 32 bits decide a boolean";
    answer = 0x3F000000ull;
    EXPECT_FLOAT_EQ(Invoke<float>(timer), 0.5f);
}

TEST(NativeCall, EveryCallPushesOneSlotPerArgument) {
    ScriptHarness h;
    Invoke<int32_t>(NativeHash("GET_GAME_TIMER"));
    Invoke<int32_t>(NativeHash("GET_RANDOM_INT_IN_RANGE"), 1, 2);
    const auto& census = h.sim().figures().census();
    EXPECT_EQ(census.at(NativeHash("GET_GAME_TIMER")).args, 0u);
    EXPECT_EQ(census.at(NativeHash("GET_RANDOM_INT_IN_RANGE")).args, 2u);
    EXPECT_TRUE(h.sim().faults().empty()) << "every count matches the game's list";
}

TEST(NativeCall, HashStringAndTextLiteralGoThroughTheirNatives) {
    ScriptHarness h;
    EXPECT_EQ(HashString("INPUT_FRONTEND_ACCEPT"), sim::GameHash("INPUT_FRONTEND_ACCEPT"));
    std::vector<uint64_t> seen;
    Watch(h, "VAR_STRING", seen);
    const char* text = "hello";
    const uint64_t handle = TextLiteral(text);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], 10u);
    EXPECT_STREQ(reinterpret_cast<const char*>(seen[1]), "LITERAL_STRING");
    EXPECT_EQ(seen[2], reinterpret_cast<uintptr_t>(text));
    const std::string* shown = h.world().texts.resolve(handle);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(*shown, "hello");
}
