// Developer keys: a release counts for 100 ms of tick count and is reported once.
#include "core/input/KeyStateTable.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

void Release(uint32_t key) {
    OnKeyboardMessage(key, 1, 0, 0, 0, 1, 1);
}
void Press(uint32_t key) {
    OnKeyboardMessage(key, 1, 0, 0, 0, 0, 0);
}

struct KeyStateTableTest : ::testing::Test {
    void SetUp() override {
        ResetKeyStates();
        h.world().gameTimer = 50000;
    }
    // The tick count runs with the simulated game timer.
    void wait(int32_t ms) { h.world().gameTimer += ms; }
    ScriptHarness h;
};

} // namespace

TEST_F(KeyStateTableTest, AReleaseIsReportedFor99MsButNot100) {
    Release(113);
    wait(99);
    EXPECT_TRUE(IsKeyJustReleased(113));
    wait(1);
    EXPECT_FALSE(IsKeyJustReleased(113));
}

TEST_F(KeyStateTableTest, AConsumedReleaseIsReportedOnce) {
    Release(90);
    EXPECT_TRUE(TakeKeyRelease(90));
    EXPECT_FALSE(TakeKeyRelease(90));
}

TEST_F(KeyStateTableTest, WithoutConsumeTheReleaseStays) {
    Release(75);
    EXPECT_TRUE(IsKeyJustReleased(75));
    EXPECT_TRUE(TakeKeyRelease(75));
}

TEST_F(KeyStateTableTest, AKeyHeldDownIsNotReleased) {
    Press(112);
    EXPECT_FALSE(IsKeyJustReleased(112));
    Release(112);
    Press(112); // pressed again before the query
    EXPECT_FALSE(IsKeyJustReleased(112));
}

TEST_F(KeyStateTableTest, CodesAbove254AreNeitherRecordedNorReported) {
    Release(255);
    EXPECT_FALSE(IsKeyJustReleased(255));
    Release(254);
    EXPECT_TRUE(IsKeyJustReleased(254));
}

TEST_F(KeyStateTableTest, ATickCountThatWrapsStillMeasuresTheWindow) {
    const uint32_t base = h.sim().tickCount() - static_cast<uint32_t>(h.world().gameTimer);
    h.world().gameTimer = static_cast<int32_t>(0xFFFFFFF0u - base);
    ASSERT_EQ(h.sim().tickCount(), 0xFFFFFFF0u);
    Release(113);
    wait(0x20); // wrapped past zero, 32 ms later
    EXPECT_TRUE(IsKeyJustReleased(113));
}
