// Text width estimated from characters and scale, by which both plug-ins centre text.
#include "core/text/TextWidth.h"

#include <gtest/gtest.h>

using namespace corvale;

TEST(EstimateTextWidth, IsZeroForNoTextAndGrowsWithLengthAndScale) {
    EXPECT_EQ(EstimateTextWidth("", 1.0f), 0.0f);
    EXPECT_EQ(EstimateTextWidth(nullptr, 1.0f), 0.0f);
    const float one = EstimateTextWidth("Moonshine", 0.35f);
    EXPECT_GT(one, 0.0f);
    EXPECT_GT(EstimateTextWidth("Moonshine Production", 0.35f), one);
    EXPECT_FLOAT_EQ(EstimateTextWidth("Tall Trees", 0.6f),
                    2.0f * EstimateTextWidth("Tall Trees", 0.3f));
}

TEST(EstimateTextWidth, WeighsWideAndNarrowLetters) {
    const float wide = EstimateTextWidth("WWWW", 1.0f);
    const float plain = EstimateTextWidth("camp", 1.0f);
    const float narrow = EstimateTextWidth("iiii", 1.0f);
    EXPECT_GT(wide, plain);
    EXPECT_GT(plain, narrow);
    EXPECT_GT(EstimateTextWidth("CAMP", 1.0f), plain) << "capitals are wider";
    EXPECT_LT(EstimateTextWidth("a b", 1.0f), EstimateTextWidth("abb", 1.0f))
        << "a space is narrower than a letter";
}

TEST(EstimateTextWidth, AgreesWithTheGamesPriceColumnForDigits) {
    // The shop's price column reserves 0.0075 of the screen per digit at scale 0.34 x 1.4.
    EXPECT_NEAR(EstimateTextWidth("25", 0.34f * 1.4f), 2 * 0.0075f, 0.0005f);
}

TEST(EstimateTextWidth, CountsAUtf8CharacterOnce) {
    EXPECT_FLOAT_EQ(EstimateTextWidth("caf\xC3\xA9", 1.0f), EstimateTextWidth("cafe", 1.0f));
}

TEST(EstimateTextWidth, AMultiLineTextIsAsWideAsItsWidestLine) {
    EXPECT_FLOAT_EQ(EstimateTextWidth("ab\nabcd\nabc", 1.0f), EstimateTextWidth("abcd", 1.0f));
    EXPECT_FLOAT_EQ(EstimateTextWidth("abcd\nab", 1.0f), EstimateTextWidth("abcd", 1.0f));
}

TEST(CentredTextX, MovesLeftByHalfTheWidth) {
    const float w = EstimateTextWidth("$15", 0.55f);
    EXPECT_GT(w, 0.0f);
    EXPECT_FLOAT_EQ(CentredTextX("$15", 0.25f, 0.55f), 0.25f - w / 2.0f);
    EXPECT_FLOAT_EQ(CentredTextX("", 0.25f, 0.55f), 0.25f);
}
