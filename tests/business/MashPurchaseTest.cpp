// Mash is bought only with the money the game takes: a payment it refuses (the cash spent
// between showing the prompt and the press) puts nothing into the still.
#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "core/data/GameData.h"
#include "core/natives/Money.h"
#include "core/natives/Script.h"
#include "support/FaultyFiles.h"
#include "support/GameFolder.h"

#include <gtest/gtest.h>

namespace {

class MashPurchaseTest : public corvale::testing::GameFolderTest {
  protected:
    corvale::testing::FaultyFiles files;
};

TEST_F(MashPurchaseTest, ARefusedPaymentBuysNoMashAPaidOneFillsTheStill) {
    int refusedMash = -1, refusedRecipe = -1, boughtRecipe = -1;
    int32_t cashAfterRefusal = -1, cashAfterPurchase = -1;
    game.start([&] {
        corvale::GameData data(files);
        corvale::business::BusinessScript s(data);
        s.start();
        const int32_t price = corvale::business::RecipeFor(1)->priceCents;
        game.sim().world().player.cashCents = price - 1;
        s.buyRecipe(1);
        refusedMash = s.save.mash;
        refusedRecipe = s.save.recipe;
        cashAfterRefusal = corvale::PlayerCashCents();
        game.sim().world().player.cashCents = price;
        s.buyRecipe(1);
        boughtRecipe = s.save.recipe;
        cashAfterPurchase = corvale::PlayerCashCents();
        for (;;)
            corvale::ScriptWait(0);
    });
    game.sim().runFrames(2);
    EXPECT_EQ(refusedMash, 0);
    EXPECT_EQ(refusedRecipe, 0);
    EXPECT_EQ(cashAfterRefusal, corvale::business::RecipeFor(1)->priceCents - 1);
    EXPECT_EQ(boughtRecipe, 1);
    EXPECT_EQ(cashAfterPurchase, 0);
}

} // namespace
