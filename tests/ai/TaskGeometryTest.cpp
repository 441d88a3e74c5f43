// Where a guard walks and looks when he checks a point, on plain positions.
#include "ai/TaskGeometry.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

float DistanceBetween(const Vector3& a, const Vector3& b) {
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

TEST(CheckRoute, AShockingNoiseFortyMetresAwayBringsTheGuardFifteenMetresCloser) {
    const Vector3 guard(10, 20, 5), noise(10, 60, 5);
    const CheckRoute route = RouteTowards(guard, noise, ShockingNoiseApproach(40.0f));
    EXPECT_NEAR(DistanceBetween(route.approach, guard), 15.0f, 1e-4f);
    EXPECT_NEAR(DistanceBetween(route.approach, noise), 25.0f, 1e-4f);
}

TEST(CheckRoute, ANearNoiseTakesSevenTenthsOfTheWay) {
    EXPECT_NEAR(ShockingNoiseApproach(10.0f), 7.0f, 1e-5f);
    EXPECT_NEAR(ShockingNoiseApproach(30.0f), 15.0f, 1e-5f);
}

TEST(CheckRoute, ASuspiciousEventFortyMetresAwayBringsTheGuardThirtyFourMetresCloser) {
    const Vector3 guard(0, 0, 0), seen(-40, 0, 0);
    const CheckRoute route = RouteTowards(guard, seen, SuspiciousEventApproach(40.0f));
    EXPECT_NEAR(route.approach.x, -34.0f, 1e-4f);
    EXPECT_NEAR(route.approach.y, 0.0f, 1e-4f);
}

TEST(CheckRoute, HeLooksFiftyMetresBeyondHisStartAndArrivesFacingThePoint) {
    const Vector3 guard(0, 0, 0);
    // Due +y is heading 0 in the game, due +x heading 270.
    const CheckRoute north = RouteTowards(guard, Vector3(0, 10, 0), 7.0f);
    EXPECT_NEAR(north.beyond.y, 50.0f, 1e-4f);
    EXPECT_FLOAT_EQ(north.facing, 0.0f);
    const CheckRoute east = RouteTowards(guard, Vector3(10, 0, 0), 7.0f);
    EXPECT_NEAR(east.beyond.x, 50.0f, 1e-4f);
    EXPECT_FLOAT_EQ(east.facing, 270.0f);
}

TEST(CheckRoute, APointWhereHeStandsKeepsHimInPlace) {
    const Vector3 guard(3, 4, 5);
    const CheckRoute route = RouteTowards(guard, guard, ShockingNoiseApproach(0.0f));
    EXPECT_FLOAT_EQ(route.approach.x, 3.0f);
    EXPECT_FLOAT_EQ(route.beyond.y, 4.0f);
    EXPECT_FLOAT_EQ(route.beyond.z, 5.0f);
}

TEST(LookAround, HeWalksToATenthShortOfTheSpotAndAtLeastOneAndAHalfMetres) {
    const Vector3 guard(0, 0, 0);
    const auto far = LookAroundWalkStop(guard, Vector3(0, 40, 0));
    ASSERT_TRUE(far.has_value());
    EXPECT_NEAR(far->y, 36.0f, 1e-4f);
    const auto near = LookAroundWalkStop(guard, Vector3(10, 0, 0));
    ASSERT_TRUE(near.has_value());
    EXPECT_NEAR(near->x, 8.5f, 1e-4f);
}

TEST(LookAround, ASpotCloserThanOneAndAHalfMetresIsNoWalkBehindHim) {
    EXPECT_FALSE(LookAroundWalkStop(Vector3(0, 0, 0), Vector3(1, 0, 0)).has_value());
    EXPECT_FALSE(LookAroundWalkStop(Vector3(5, 5, 0), Vector3(5, 5, 0)).has_value());
}

} // namespace
