#include "business/BusinessTexts.h"

#include "business/Brewing.h"
#include "core/data/GameData.h"
#include "core/text/TextFormat.h"

namespace corvale::business {

const char* BusinessText(const GameData& data, const char* key) {
    const DictDataFile* lang = data.langFile();
    return lang ? lang->getString(key).c_str() : "";
}

void UseShippedTexts(GameData& data) {
    data.useLangText(ShippedLang2Text());
}

std::string MultiLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '@') c = '\n';
    return out;
}

namespace {

// The grid's names and the lines of what is lacking, so that no frame looks up or composes.
void LoadFlavourPageNames(const GameData& data, FlavourPageTexts& page) {
    for (int f = 0; f < kFlavourCount; ++f) {
        for (int k = 0; k < 3; ++k) {
            const char* name = BusinessText(data, FlavourFor(f + 1)->itemNameKeys[k]);
            page.itemNames[f][k] = name;
            char line[160];
            FormatText(line, page.needsIngredient, name);
            page.lacking[f][k] = line;
        }
    }
}

} // namespace

void LoadBusinessTexts(const GameData& data, BusinessTexts& t) {
    const auto text = [&data](const char* key) { return BusinessText(data, key); };
    t.prompts.ledger = text("prompts.ledger.business");
    t.prompts.sell = text("prompts.menu.sell");
    t.prompts.select = text("prompts.menu.select");
    t.prompts.back = text("prompts.menu.back");
    t.title1 = text("menu.title1");
    t.title2 = text("menu.title2");
    t.stillFlavourText = text("menu.stillFlavourText");
    t.mashRequiredText = text("menu.mashRequiredText");
    t.mashRequiredTextLong = text("menu.mashRequiredTextLong");
    for (int r = 1; r <= kRecipeCount; ++r) {
        t.recipeNames[r - 1] = text(RecipeFor(r)->nameKey);
        t.recipeTimes[r - 1] = text(RecipeFor(r)->timeKey);
    }
    t.flavoring = text("menu.Flavoring");
    t.flavourNames[0] = text("menu.Flavour0");
    for (int f = 1; f <= kFlavourCount; ++f)
        t.flavourNames[f] = text(FlavourFor(f)->nameKey);
    t.productionComplete = text("menu.productionComplete");
    t.inProd = text("menu.inProd");
    t.mashRequired = text("menu.mashRequired");
    t.fullBatchRequired = text("menu.fullBatchRequired");
    t.moonshine = text("menu.Moonshine");
    t.bottlesOutOf20 = text("menu.bottlesOutOf20");
    t.bottles = text("menu.bottles");
    t.moonshineProduction = text("menu.moonshineProduction");
    t.mashPrice = text("menu.mashPrice");
    t.recipes = text("menu.recipes");
    t.recipe = text("menu.recipe");
    t.currentBatchSold = text("menu.currentBatchSold");
    t.buyerFlavour = text("menu.buyerFlavour");
    t.batchWaiting = text("menu.batchWaiting");
    t.sellBatchFirst = text("menu.sellBatchFirst");
    t.flavourPage.needsMash[0] = text("menu.needsWeakMash");
    t.flavourPage.needsMash[1] = text("menu.needsMediumMash");
    t.flavourPage.needsMash[2] = text("menu.needsStrongMash");
    t.flavourPage.needsIngredient = text("menu.needsIngredient");
    LoadFlavourPageNames(data, t.flavourPage);
    t.batchReady.title = text("toasts.batchReady.title");
    t.batchReady.body = text("toasts.batchReady.body");
    t.delivery.boardWagon = text("delivery.boardWagon");
    t.delivery.stopWagon = text("delivery.stopWagon");
    t.delivery.suppliesDestroyed = text("delivery.suppliesDestroyed");
    t.delivery.suppliesStolen = text("delivery.suppliesStolen");
    t.delivery.wagonBlipName = text("delivery.deliveryWagonBlipName");
    t.delivery.destinationBlipName = text("delivery.deliveryDestinationBlipName");
    t.mashRequired2 = MultiLine(text("menu.mashRequired2"));
    t.recipeSelection = MultiLine(text("menu.recipeSelection"));
    t.potentialBuyers = MultiLine(text("menu.potentialBuyers"));
}

} // namespace corvale::business
