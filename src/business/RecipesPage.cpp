// The still menu's recipes page: buying mash for a weak, medium or strong batch.
#include "business/Brewing.h"
#include "business/BusinessScript.h"
#include "business/StillMenu.h"
#include "core/natives/Money.h"

namespace corvale::business {

void RunRecipesPage(BusinessScript& s) {
    const BusinessTexts& t = s.texts;
    const bool stillFull = s.save.mash == kFullBatch;
    const bool batchWaits = BatchWaitsForSale(s.save);
    const bool noMash = stillFull || batchWaits;
    const int32_t alpha = noMash ? 155 : 255;
    const Recipe* highlighted = RecipeFor(s.menu.cursor + 1);

    s.prompts.back.want(true, true);
    if (noMash || !highlighted)
        s.prompts.confirm.want(s.prompts.confirm.enabled(), false);
    else
        s.prompts.confirm.want(PlayerCashCents() >= highlighted->priceCents, true);

    DrawMenuFrame(s, t.stillFlavourText);
    for (int row = 0; row < kRecipeCount; ++row)
        DrawMenuRow(s.dictionaries, row, kRolePictures, StillPicture(row + 1), t.recipeNames[row],
                    t.recipeTimes[row], alpha);
    DrawText(t.mashPrice, 0.083f, 0.8625f, MenuTitle(0.4f, true));
    if (highlighted) DrawText(highlighted->priceText, 0.25f, 0.858f, MenuTitle(0.55f, true));
    DrawText(batchWaits ? t.sellBatchFirst : t.mashRequiredTextLong, 0.1605f, 0.91f,
             MenuBody(0.3f, true));
    DrawMenuBar(s.dictionaries, 0.16f, 0.85f);
    DrawMenuBar(s.dictionaries, 0.16f, 0.9f);

    if (!noMash && s.prompts.confirm.completed()) {
        s.buyRecipe(s.menu.cursor + 1);
        ReturnAfterPurchase(s);
    } else if (s.prompts.back.completed()) {
        ReturnToMainPage(s);
    }
}

} // namespace corvale::business
