// What a batch fetches at the buyer and what the still holds once it has gone.
#include "business/Sale.h"
#include "business/CampLocations.h"
#include "business/StillHolds.h"

#include <gtest/gtest.h>

using namespace corvale::business;
using corvale::testing::StillHolds;

namespace {
BusinessSave Batch(int recipe, int flavour, bool herbsIn, float mash = 0.0f) {
    BusinessSave s;
    s.recipe = recipe;
    s.flavour = flavour;
    s.herbsInStill = herbsIn;
    s.production = 100.0f;
    s.mash = mash;
    return s;
}
} // namespace

TEST(SalePrice, AFlavourPaysOnlyWhenItsHerbsWentIntoTheStill) {
    EXPECT_EQ(SalePriceCents(Batch(2, 2, true)), 6840);
    // Chosen in the menu but never put in: the moonshine is plain medium.
    EXPECT_EQ(SalePriceCents(Batch(2, 2, false)), 4000);
    EXPECT_EQ(SalePriceCents(Batch(3, 4, true)), 11380);
    EXPECT_EQ(SalePriceCents(Batch(3, 4, false)), 7000);
}

TEST(SalePrice, APlainBatchPaysByRecipeAndNoRecipePaysNothing) {
    EXPECT_EQ(SalePriceCents(Batch(1, 0, false)), 2500);
    EXPECT_EQ(SalePriceCents(Batch(1, 0, true)), 2500); // herbs in, but no flavour chosen
    EXPECT_EQ(SalePriceCents(Batch(0, 0, false)), 0);
}

TEST(ClearDeliveredBatch, AnEmptyStillAfterASale) {
    BusinessSave s = Batch(2, 2, true);
    ClearDeliveredBatch(s);
    EXPECT_THAT(s, StillHolds({0.0f, 0, 0, 0.0f, false}));
}

// Mash bought while the full batch waited for its buyer was paid for: it stays to brew.
TEST(ClearDeliveredBatch, MashBoughtMeanwhileStaysWithItsRecipe) {
    BusinessSave s = Batch(3, 1, true, 100.0f);
    ClearDeliveredBatch(s);
    EXPECT_THAT(s, StillHolds({100.0f, 3, 0, 0.0f, false}));
}

TEST(CampLocations, IdentifiersNumberTheSevenCampsAndOthersAreUnknown) {
    EXPECT_EQ(CampLocationNumber(1684533001), 1);
    EXPECT_EQ(CampLocationNumber(-108848014), 3);
    EXPECT_EQ(CampLocationNumber(-2066240242), 7);
    EXPECT_EQ(CampLocationNumber(0), 0);
    EXPECT_EQ(CampLocationNumber(12345), 0);
    ASSERT_NE(WagonPlaceAt(5), nullptr);
    EXPECT_FLOAT_EQ(WagonPlaceAt(5)->heading, 131.0f);
    EXPECT_EQ(WagonPlaceAt(0), nullptr);
    EXPECT_EQ(WagonPlaceAt(8), nullptr);
}

TEST(CampLocations, OnlyTheFirstFiveCampsHaveBuyersOfTheirOwn) {
    ASSERT_NE(BuyerOf(2, 4), nullptr);
    EXPECT_FLOAT_EQ(BuyerOf(2, 4)->x, 2067.653f);
    EXPECT_EQ(BuyerOf(6, 0), nullptr);
    EXPECT_EQ(BuyerOf(7, 0), nullptr);
    EXPECT_EQ(BuyerOf(1, 5), nullptr);
    EXPECT_EQ(BuyerOf(0, 0), nullptr);
}
