// Brewing: the production tick with its clamping, the tick interval and its modifier,
// buying mash and which flavours can be made.
#include "business/Brewing.h"
#include "core/timers/Elapsed.h"

#include <climits>

#include <gtest/gtest.h>

using namespace corvale::business;
using corvale::ElapsedMs;

namespace {

BusinessSave Batch(int recipe) {
    BusinessSave s;
    StartBatch(s, recipe);
    return s;
}

void Ticks(BusinessSave& s, float& flavourProgress, int n) {
    for (int i = 0; i < n; ++i)
        ProductionTick(s, flavourProgress);
}

} // namespace

TEST(ProductionTick, AWeakBatchEndsClampedAtAFullBatchOnItsThirtyFourthTick) {
    BusinessSave s = Batch(1);
    float progress = 0;
    Ticks(s, progress, 33);
    EXPECT_FLOAT_EQ(s.production, 99.0f);
    EXPECT_FLOAT_EQ(s.mash, 1.0f);
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(s.production, 100.0f);
    EXPECT_FLOAT_EQ(s.mash, 0.0f);
}

TEST(ProductionTick, MediumTakesFiftyTicksAndStrongAHundred) {
    BusinessSave medium = Batch(2), strong = Batch(3);
    float progress = 0;
    Ticks(medium, progress, 49);
    EXPECT_FLOAT_EQ(medium.production, 98.0f);
    Ticks(medium, progress, 1);
    EXPECT_FLOAT_EQ(medium.production, 100.0f);
    Ticks(strong, progress, 99);
    EXPECT_FLOAT_EQ(strong.production, 99.0f);
    Ticks(strong, progress, 1);
    EXPECT_FLOAT_EQ(strong.production, 100.0f);
    EXPECT_FLOAT_EQ(strong.mash, 0.0f);
}

TEST(ProductionTick, NoRecipeOrAFullBatchBrewsNothing) {
    BusinessSave none;
    none.mash = 50;
    float progress = 0;
    ProductionTick(none, progress);
    EXPECT_FLOAT_EQ(none.mash, 50.0f);
    EXPECT_FLOAT_EQ(none.production, 0.0f);
    // New mash bought over a complete, unsold batch stays in the still.
    BusinessSave full = Batch(3);
    full.production = 100;
    ProductionTick(full, progress);
    EXPECT_FLOAT_EQ(full.mash, 100.0f);
    EXPECT_FLOAT_EQ(full.production, 100.0f);
}

TEST(ProductionTick, FlavouringNeedsAFlavourAndTheHerbsInTheStill) {
    BusinessSave s = Batch(1);
    float progress = 0;
    s.flavour = 1;
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(progress, 0.0f);
    s.herbsInStill = true;
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(progress, 3.0f);
    s.flavour = 0;
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(progress, 3.0f);
}

TEST(ProductionTick, FlavouringGoesOnWithoutMashAndStopsAtAHundred) {
    BusinessSave s;
    s.flavour = 4;
    s.herbsInStill = true;
    float progress = 98.5f;
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(progress, 100.0f);
    ProductionTick(s, progress);
    EXPECT_FLOAT_EQ(progress, 100.0f);
}

TEST(NextProductionTick, TheModifierStretchesTheInterval) {
    EXPECT_EQ(NextProductionTick(1000, 1.0f), 29800);
    EXPECT_EQ(NextProductionTick(1000, 0.5f), 15400);
    EXPECT_EQ(NextProductionTick(1000, 2.0f), 58600);
}

TEST(NextProductionTick, ZeroOrLessMakesTheNextFrameATick) {
    EXPECT_EQ(NextProductionTick(5000, 0.0f), 5000);
    EXPECT_EQ(NextProductionTick(5000, -3.0f), 5000);
}

// After about 24.8 days of play the game timer passes its top and goes on from its bottom:
// a tick due just past the top still comes 28.8 s later, not never.
TEST(NextProductionTick, NearTheTimersTopTheTickStillComesOnTime) {
    const int32_t now = INT_MAX - 10;
    const int32_t next = NextProductionTick(now, 1.0f);
    EXPECT_LT(next, 0); // wrapped
    EXPECT_EQ(ElapsedMs(next, now), 28800);
    EXPECT_LE(ElapsedMs(now + 0, next), 0); // not yet due
    EXPECT_GT(ElapsedMs(static_cast<int32_t>(static_cast<uint32_t>(now) + 28801u), next), 0);
}

TEST(NextProductionTick, AHugeModifierStaysComparableByDifference) {
    const int32_t next = NextProductionTick(1000, 1e30f);
    EXPECT_GT(ElapsedMs(next, 1000), 0);
    EXPECT_LE(ElapsedMs(1000 + 60000, next), 0);
}

TEST(ParseBrewingTimeModifier, ReadsNumbersAndKeepsOneForText) {
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("0.5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("2"), 2.0f);
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("2x"), 2.0f);
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("fast"), 1.0f);
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("nan"), 1.0f);
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier("1e99"), 1.0f);
}

TEST(ParseBrewingTimeModifier, AnEmptyValueIsZero) {
    EXPECT_FLOAT_EQ(ParseBrewingTimeModifier(""), 0.0f);
}

TEST(StartBatch, FillsTheStillAndLeavesProductionAndFlavourAsTheyWere) {
    BusinessSave s{0, 2, 3, 100, true};
    StartBatch(s, 1);
    EXPECT_FLOAT_EQ(s.mash, 100.0f);
    EXPECT_EQ(s.recipe, 1);
    EXPECT_EQ(s.flavour, 3);
    EXPECT_FLOAT_EQ(s.production, 100.0f);
    EXPECT_TRUE(s.herbsInStill);
    StartBatch(s, 4);
    EXPECT_EQ(s.recipe, 1);
}

TEST(IsFlavourAvailable, NeedsOneOfEachIngredientAndTheFittingRecipe) {
    const int32_t all[3] = {1, 2, 1};
    const int32_t noThird[3] = {1, 2, 0};
    EXPECT_TRUE(IsFlavourAvailable(1, 1, all));
    EXPECT_FALSE(IsFlavourAvailable(1, 1, noThird));
    EXPECT_FALSE(IsFlavourAvailable(2, 1, all)); // a medium flavour with a weak batch
    EXPECT_TRUE(IsFlavourAvailable(3, 3, all));
    EXPECT_TRUE(IsFlavourAvailable(4, 3, all));
    EXPECT_FALSE(IsFlavourAvailable(4, 0, all));
    EXPECT_FALSE(IsFlavourAvailable(0, 0, all));
    EXPECT_FALSE(IsFlavourAvailable(5, 3, all));
}

TEST(FlavourFor, TheThirdFlavourNeedsAPeachAndNamesIt) {
    const Flavour* f = FlavourFor(3);
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(f->items[2], "consumable_peach");
    EXPECT_STREQ(f->itemNameKeys[2], "menu.peachIngredient");
    EXPECT_EQ(FlavourFor(0), nullptr);
    EXPECT_EQ(RecipeFor(4), nullptr);
}

TEST(BottlesMade, AFullBatchIsTwentyBottlesCountedWhole) {
    EXPECT_EQ(BottlesMade(100.0f), 20);
    EXPECT_EQ(BottlesMade(99.0f), 19);
    EXPECT_EQ(BottlesMade(4.9f), 0);
    EXPECT_EQ(BottlesMade(0.0f), 0);
}
