// Centring text by its estimated width.
#include "core/text/TextWidth.h"

#include <gtest/gtest.h>

using namespace corvale;

TEST(EstimateTextWidth, GrowsWithLengthAndScale) {
    const float one = EstimateTextWidth("Moonshine", 0.35f);
    EXPECT_GT(one, 0.0f);
    EXPECT_GT(EstimateTextWidth("Moonshine Production", 0.35f), one);
    EXPECT_FLOAT_EQ(EstimateTextWidth("Moonshine", 0.7f), 2.0f * one);
    EXPECT_FLOAT_EQ(EstimateTextWidth("", 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(EstimateTextWidth(nullptr, 1.0f), 0.0f);
}

TEST(EstimateTextWidth, NarrowLettersTakeLessRoomThanWideOnes) {
    EXPECT_LT(EstimateTextWidth("iiii", 1.0f), EstimateTextWidth("MMMM", 1.0f));
}

TEST(EstimateTextWidth, AMultiLineTextIsAsWideAsItsWidestLine) {
    EXPECT_FLOAT_EQ(EstimateTextWidth("ab\nabcd\nabc", 1.0f), EstimateTextWidth("abcd", 1.0f));
}

TEST(EstimateTextWidth, CountsCharactersNotBytes) {
    EXPECT_FLOAT_EQ(EstimateTextWidth("caf\xc3\xa9", 1.0f), EstimateTextWidth("cafe", 1.0f));
}

TEST(CentredTextX, MovesLeftByHalfTheWidth) {
    const float w = EstimateTextWidth("$15", 0.55f);
    EXPECT_FLOAT_EQ(CentredTextX("$15", 0.25f, 0.55f), 0.25f - w / 2.0f);
}
