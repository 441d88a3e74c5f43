// Developer keys: a release counts for 100 ms of tick count and is reported once.
#include "core/input/KeyStateTable.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::FakeHost;

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
        host.tick = 50000;
    }
    FakeHost host;
};

} // namespace

TEST_F(KeyStateTableTest, AReleaseIsReportedFor99MsButNot100) {
    Release(113);
    host.tick += 99;
    EXPECT_TRUE(IsKeyJustReleased(113));
    host.tick += 1;
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
    host.tick = 0xFFFFFFF0u;
    Release(113);
    host.tick += 0x20; // wrapped past zero, 32 ms later
    EXPECT_TRUE(IsKeyJustReleased(113));
}
