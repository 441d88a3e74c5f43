// The perception formulas on plain numbers, at the shipped tuning of "AI.dat".
#include "ai/PerceptionMath.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

SightTuning Shipped() {
    SightTuning t;
    t.range = 30;
    t.minRange = 4;
    t.crouchImpact = 0.5f;
    t.nightImpact = 0.5f;
    t.rainImpact = 0.3f;
    t.windImpact = 0.15f;
    return t;
}

TEST(Night, RunsFrom21To5AndNotFrom6To20) {
    for (int hour : {21, 22, 23, 0, 3, 5})
        EXPECT_TRUE(IsNightHour(hour)) << hour;
    for (int hour : {6, 12, 20})
        EXPECT_FALSE(IsNightHour(hour)) << hour;
}

TEST(Weather, WindAbove100AndRainAbove1CountAsFull) {
    EXPECT_FLOAT_EQ(WindShare(250.0f), 1.0f);
    EXPECT_FLOAT_EQ(WindShare(40.0f), 0.4f);
    EXPECT_FLOAT_EQ(RainShare(3.0f), 1.0f);
    EXPECT_FLOAT_EQ(RainShare(0.5f), 0.5f);
}

TEST(Sight, AStillDryDayGivesExactlyTheSightRangeAndTheMinimumHoldsBelow) {
    const SightTuning t = Shipped();
    EXPECT_EQ(SeeingRange(t, 0, 0, false), 30.0f);
    EXPECT_FLOAT_EQ(SeeingRange(t, 0, 0, true), 15.0f);
    EXPECT_FLOAT_EQ(SeeingRange(t, 1, 1, true), 30 * 0.85f * 0.7f * 0.5f);
    SightTuning wide = t;
    wide.minRange = 40;
    EXPECT_EQ(SeeingRange(wide, 0, 0, false), 40.0f);
}

TEST(Sight, CrouchAndCoverShortenTheRangeDownToTheMinimum) {
    const SightTuning t = Shipped();
    EXPECT_DOUBLE_EQ(EffectiveSightRange(t, 15, 0, true), 7.5);
    EXPECT_DOUBLE_EQ(EffectiveSightRange(t, 30, 0.5f, false), 15.0);
    // Thick foliage and a crouch still leave the minimum.
    EXPECT_DOUBLE_EQ(EffectiveSightRange(t, 15, 0.9f, true), 4.0);
}

TEST(Foliage, CoverIsFoliageOverHeightClampedAndFullAtZeroHeight) {
    EXPECT_FLOAT_EQ(FoliageCoverOf(1.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(FoliageCoverOf(1.0f, 2.0f), 0.5f);  // 2 x 0.25 over 1
    EXPECT_FLOAT_EQ(FoliageCoverOf(5.0f, 2.0f), 0.5f);  // the height counts up to 1
    EXPECT_FLOAT_EQ(FoliageCoverOf(0.25f, 2.0f), 1.0f); // clamped
    EXPECT_FLOAT_EQ(FoliageCoverOf(1.0f, 40.0f), 1.0f); // foliage counts up to 1.5
    // At 0 height any foliage hides him fully, without dividing by 0.
    EXPECT_EQ(FoliageCoverOf(0.0f, 0.1f), 1.0f);
    EXPECT_EQ(FoliageCoverOf(-0.5f, 2.0f), 0.0f);
    EXPECT_EQ(FoliageCoverOf(0.0f, 0.0f), 0.0f);
}

TEST(Hearing, WindShortensHearingDownToTheMinimum) {
    const HearingTuning t{60, 20, 0.4f};
    EXPECT_FLOAT_EQ(HearingRangeIn(t, 0), 60.0f);
    EXPECT_FLOAT_EQ(HearingRangeIn(t, 1), 36.0f);
    const HearingTuning deaf{60, 20, 0.9f};
    EXPECT_FLOAT_EQ(HearingRangeIn(deaf, 1), 20.0f);
}

TEST(Alertness, GrowsByDistanceCrouchAndCoverAndFallsByTenTimesTheFrameTime) {
    const float r = 0.033f;
    EXPECT_FLOAT_EQ(AlertnessGain(0, r, false, 50), 37.5f * r);
    EXPECT_FLOAT_EQ(AlertnessGain(0, r, false, 200), 37.5f * r);
    EXPECT_FLOAT_EQ(AlertnessGain(0, r, true, 50), 37.5f * r / 2);
    EXPECT_FLOAT_EQ(AlertnessGain(0, r, false, 10), 37.5f * r / 5);
    EXPECT_FLOAT_EQ(AlertnessGain(0.5f, r, false, 50), 25.0f * r);
    EXPECT_FLOAT_EQ(AlertnessWithoutSight(0.5f, r), 0.5f - 10 * r);
    EXPECT_EQ(AlertnessWithoutSight(0.2f, r), 0.0f);
}

} // namespace
