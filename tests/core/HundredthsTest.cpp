// Fractions become whole hundredths for script events: truncated toward zero, but a value
// that is a whole hundredth up to float error keeps it.
#include "core/events/Hundredths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using corvale::events::ToHundredths;

TEST(ToHundredths, EveryStoredWholeHundredthKeepsItsValue) {
    // 0.29, 0.57, 0.58 and others are stored just below their hundredth.
    for (int k = 0; k <= 100; ++k) {
        const float stored = static_cast<float>(k / 100.0);
        EXPECT_EQ(ToHundredths(stored), k) << "stored " << stored;
    }
    EXPECT_EQ(ToHundredths(0.29f), 29);
    EXPECT_EQ(ToHundredths(0.53f), 53);
}

TEST(ToHundredths, ValuesAFewUlpsFromAWholeHundredthKeepIt) {
    EXPECT_EQ(ToHundredths(0.8f * 0.75f), 60); // 0.60000002
    EXPECT_EQ(ToHundredths(std::nextafter(0.29f, 0.0f)), 29);
    const float below58 = std::nextafter(std::nextafter(0.58f, 0.0f), 0.0f);
    EXPECT_EQ(ToHundredths(below58), 58);
    EXPECT_EQ(ToHundredths(std::nextafter(1.0f, 0.0f)), 100);
}

TEST(ToHundredths, ValuesBetweenHundredthsTruncateTowardZero) {
    EXPECT_EQ(ToHundredths(0.057f), 5);
    EXPECT_EQ(ToHundredths(0.999f), 99);
    EXPECT_EQ(ToHundredths(0.0049f), 0);
    EXPECT_EQ(ToHundredths(0.2899f), 28) << "a real value below 0.29 is not rounded up";
    EXPECT_EQ(ToHundredths(0.28999f), 28);
    EXPECT_EQ(ToHundredths(-0.057f), -5);
    EXPECT_EQ(ToHundredths(-0.29f), -29);
}

TEST(ToHundredths, OutOfRangeAndNanValuesGiveDefinedWords) {
    EXPECT_EQ(ToHundredths(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(ToHundredths(1e30f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ToHundredths(-std::numeric_limits<float>::infinity()),
              -std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ToHundredths(12.5f), 1250);
}
