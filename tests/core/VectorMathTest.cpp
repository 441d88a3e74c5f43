// Vector operations on plain values: headings, directions, normalising, clamping.
#include "core/natives/VectorMath.h"

#include <gtest/gtest.h>

using namespace corvale;

TEST(HeadingBetween, IsZeroWhenAIsDuePlusXOfB) {
    EXPECT_EQ(HeadingBetween({5, 2, 0}, {1, 2, 0}), 0.0f);
}

TEST(HeadingBetween, IsNinetyWhenAIsDuePlusYOfB) {
    EXPECT_EQ(HeadingBetween({1, 7, 3}, {1, 2, 0}), 90.0f);
}

TEST(HeadingBetween, WrapsNegativeAnglesIntoZeroTo360) {
    EXPECT_EQ(HeadingBetween({1, -3, 0}, {1, 2, 0}), 270.0f);
    EXPECT_EQ(HeadingBetween({0, 0, 0}, {1, 1, 0}), 225.0f);
    EXPECT_EQ(HeadingBetween({-4, 2, 0}, {1, 2, 0}), 180.0f);
}

TEST(HeadingBetween, TruncatesTowardZeroBeforeWrapping) {
    EXPECT_EQ(HeadingBetween({1, 0.5f, 0}, {0, 0, 0}), 26.0f); // 26.57 degrees
    EXPECT_EQ(HeadingBetween({1, -0.5f, 0}, {0, 0, 0}), 334.0f)
        << "-26.57 truncates to -26, not -27";
}

TEST(DirectionFromHeading, HeadingZeroFacesPlusYAndNinetyFacesMinusX) {
    const Vector3 north = DirectionFromHeading(0.0f, 0.0f);
    EXPECT_NEAR(north.x, 0.0f, 1e-6f);
    EXPECT_NEAR(north.y, 1.0f, 1e-6f);
    const Vector3 west = DirectionFromHeading(90.0f, 2.5f);
    EXPECT_NEAR(west.x, -1.0f, 1e-6f);
    EXPECT_NEAR(west.y, 0.0f, 1e-6f);
    EXPECT_EQ(west.z, 2.5f) << "z is passed through, not derived";
    const Vector3 southEast = DirectionFromHeading(-135.0f, 0.0f);
    EXPECT_NEAR(southEast.x, 0.70710678f, 1e-6f);
    EXPECT_NEAR(southEast.y, -0.70710678f, 1e-6f);
}

TEST(Normalise, LeavesTheZeroVectorZero) {
    const Vector3 n = Normalise({0, 0, 0});
    EXPECT_TRUE(IsZero(n)) << n.x << ", " << n.y << ", " << n.z;
}

TEST(Normalise, ScalesToUnitLength) {
    const Vector3 n = Normalise({3, 0, -4});
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.z, -0.8f);
    EXPECT_FLOAT_EQ(Length(n), 1.0f);
}

TEST(IsZero, HoldsOnlyWhenAllThreeAreExactlyZero) {
    EXPECT_TRUE(IsZero({-0.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(IsZero({0.0f, 0.0f, 1e-30f}));
    EXPECT_FALSE(IsZero({0.0f, -1e-30f, 0.0f}));
}

TEST(Clamp, AppliesTheLowerBoundFirst) {
    EXPECT_EQ(Clamp(-1.0f, 0.0f, 1.0f), 0.0f);
    EXPECT_EQ(Clamp(2.0f, 0.0f, 1.0f), 1.0f);
    EXPECT_EQ(Clamp(5.0f, 10.0f, 0.0f), 0.0f)
        << "with lo above hi the upper bound has the last word";
}
