// The call protocol: how arguments travel in slots and how results come back.
#include "core/natives/NativeCall.h"
#include "core/natives/Strings.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::FakeHost;

TEST(NativeCall, IntegersTravelZeroExtendedInTheLowHalf) {
    FakeHost host;
    Invoke(0x1234, -1, 7, uint32_t{0xCB2DC17A});
    const auto& args = host.calls().at(0).args;
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[0], 0x00000000FFFFFFFFull);
    EXPECT_EQ(args[1], 7u);
    EXPECT_EQ(args[2], 0xCB2DC17Aull);
}

TEST(NativeCall, FloatsAndBooleansTravelInTheLowHalf) {
    FakeHost host;
    Invoke(0x1234, 1.0f, -2.5f, true, false);
    const auto& args = host.calls().at(0).args;
    EXPECT_EQ(args[0], 0x3F800000ull);
    EXPECT_EQ(args[1], 0xC0200000ull);
    EXPECT_EQ(args[2], 1u);
    EXPECT_EQ(args[3], 0u);
}

TEST(NativeCall, ResultsAreReadFromTheLowHalfOrWhole) {
    FakeHost host;
    host.answer(0x1, 0xDEADBEEF00000005ull);
    EXPECT_EQ(Invoke<int32_t>(0x1), 5);
    EXPECT_TRUE(Invoke<bool>(0x1));
    EXPECT_EQ(Invoke<uint64_t>(0x1), 0xDEADBEEF00000005ull);
    host.answer(0x2, 0xFFFFFFFF00000000ull);
    EXPECT_FALSE(Invoke<bool>(0x2)) << "only the low 32 bits decide a boolean";
    host.answer(0x3, 0x3F000000ull);
    EXPECT_FLOAT_EQ(Invoke<float>(0x3), 0.5f);
}

TEST(NativeCall, EveryCallIsInitPushesThenCall) {
    FakeHost host;
    Invoke(0xAAAA);
    Invoke(0xBBBB, 1, 2);
    ASSERT_EQ(host.calls().size(), 2u);
    EXPECT_EQ(host.calls()[0].hash, 0xAAAAu);
    EXPECT_TRUE(host.calls()[0].args.empty());
    EXPECT_EQ(host.calls()[1].args.size(), 2u);
}

TEST(NativeCall, HashStringAndTextLiteralGoThroughTheirNatives) {
    FakeHost host;
    host.answer(0xfd340785adf8cfb7, 0xC7B5340A);
    EXPECT_EQ(HashString("INPUT_FRONTEND_ACCEPT"), 0xC7B5340Au);
    const char* text = "hello";
    host.answer(0xfa925ac00eb830b9, 0x123456789ull);
    EXPECT_EQ(TextLiteral(text), 0x123456789ull);
    const auto call = host.callsTo(0xfa925ac00eb830b9).at(0);
    ASSERT_EQ(call.args.size(), 3u);
    EXPECT_EQ(call.args[0], 10u);
    EXPECT_STREQ(reinterpret_cast<const char*>(call.args[1]), "LITERAL_STRING");
    EXPECT_EQ(call.args[2], reinterpret_cast<uintptr_t>(text));
}
