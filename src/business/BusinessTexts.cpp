#include "business/BusinessTexts.h"

#include "business/Brewing.h"
#include "core/data/DataFiles.h"

namespace corvale::business {

const char* BusinessText(const char* key) {
    const DictDataFile* lang = LangFile();
    return lang ? lang->getString(key).c_str() : "";
}

std::string MultiLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '@') c = '\n';
    return out;
}

void LoadBusinessTexts(BusinessTexts& t) {
    t.ledgerPrompt = BusinessText("prompts.ledger.business");
    t.sellPrompt = BusinessText("prompts.menu.sell");
    t.selectPrompt = BusinessText("prompts.menu.select");
    t.backPrompt = BusinessText("prompts.menu.back");
    t.title1 = BusinessText("menu.title1");
    t.title2 = BusinessText("menu.title2");
    t.stillFlavourText = BusinessText("menu.stillFlavourText");
    t.mashRequiredText = BusinessText("menu.mashRequiredText");
    t.mashRequiredTextLong = BusinessText("menu.mashRequiredTextLong");
    for (int r = 1; r <= kRecipeCount; ++r) {
        t.recipeNames[r - 1] = BusinessText(RecipeFor(r)->nameKey);
        t.recipeTimes[r - 1] = BusinessText(RecipeFor(r)->timeKey);
    }
    t.flavoring = BusinessText("menu.Flavoring");
    t.flavourNames[0] = BusinessText("menu.Flavour0");
    for (int f = 1; f <= kFlavourCount; ++f)
        t.flavourNames[f] = BusinessText(FlavourFor(f)->nameKey);
    t.productionComplete = BusinessText("menu.productionComplete");
    t.inProd = BusinessText("menu.inProd");
    t.mashRequired = BusinessText("menu.mashRequired");
    t.fullBatchRequired = BusinessText("menu.fullBatchRequired");
    t.moonshine = BusinessText("menu.Moonshine");
    t.bottlesOutOf20 = BusinessText("menu.bottlesOutOf20");
    t.bottles = BusinessText("menu.bottles");
    t.moonshineProduction = BusinessText("menu.moonshineProduction");
    t.mashPrice = BusinessText("menu.mashPrice");
    t.recipes = BusinessText("menu.recipes");
    t.recipe = BusinessText("menu.recipe");
    t.currentBatchSold = BusinessText("menu.currentBatchSold");
    t.buyerFlavour = BusinessText("menu.buyerFlavour");
    t.boardWagon = BusinessText("delivery.boardWagon");
    t.stopWagon = BusinessText("delivery.stopWagon");
    t.suppliesDestroyed = BusinessText("delivery.suppliesDestroyed");
    t.suppliesStolen = BusinessText("delivery.suppliesStolen");
    t.wagonBlipName = BusinessText("delivery.deliveryWagonBlipName");
    t.destinationBlipName = BusinessText("delivery.deliveryDestinationBlipName");
    t.mashRequired2 = MultiLine(BusinessText("menu.mashRequired2"));
    t.recipeSelection = MultiLine(BusinessText("menu.recipeSelection"));
    t.potentialBuyers = MultiLine(BusinessText("menu.potentialBuyers"));
}

} // namespace corvale::business
