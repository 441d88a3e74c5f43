#pragma once
// The player-visible texts of the business plug-in, looked up once in Lang2.dat at start and
// kept for the whole run. A missing key gives the empty text; a missing Lang2.dat gives the
// built-in English texts.
#include "business/Brewing.h"

#include <string>
#include <string_view>

namespace corvale {
class GameData;
}

namespace corvale::business {

// The prompts' texts.
struct PromptTexts {
    const char* ledger = "";
    const char* sell = "";
    const char* select = "";
    const char* back = "";
};

// The flavours page's ingredient grid and why a row is dimmed, built once at start.
struct FlavourPageTexts {
    // The grid's ingredient names, by flavour 1 to 4 (index 0 to 3) and slot.
    const char* itemNames[kFlavourCount][3] = {};
    // The mash the flavour's recipe needs (by recipe 1 to 3), or an ingredient the player
    // lacks (its name fills the "%s").
    const char* needsMash[3] = {"", "", ""};
    const char* needsIngredient = "";
    // needsIngredient filled with each grid name, by flavour and slot.
    std::string lacking[kFlavourCount][3];
};

// The toast of a batch that reached 20 bottles.
struct ToastTexts {
    const char* title = "";
    const char* body = "";
};

struct DeliveryTexts {
    const char* boardWagon = "";
    const char* stopWagon = "";
    const char* suppliesDestroyed = "";
    const char* suppliesStolen = "";
    const char* wagonBlipName = "";
    const char* destinationBlipName = "";
};

struct BusinessTexts {
    PromptTexts prompts;
    // Menu frame and rows.
    const char* title1 = "";
    const char* title2 = "";
    const char* stillFlavourText = "";
    const char* mashRequiredText = "";
    const char* mashRequiredTextLong = "";
    const char* recipeNames[3] = {"", "", ""};
    const char* recipeTimes[3] = {"", "", ""};
    const char* flavoring = "";
    const char* flavourNames[5] = {"", "", "", "", ""}; // 0: no flavour
    const char* productionComplete = "";
    const char* inProd = "";
    const char* mashRequired = "";
    const char* fullBatchRequired = "";
    const char* moonshine = "";
    const char* bottlesOutOf20 = "";
    const char* bottles = "";
    const char* moonshineProduction = "";
    const char* mashPrice = "";
    const char* recipes = "";
    const char* recipe = "";
    const char* currentBatchSold = "";
    const char* buyerFlavour = "";
    // A finished batch still waits to be sold: no mash until it is.
    const char* batchWaiting = "";
    const char* sellBatchFirst = "";
    FlavourPageTexts flavourPage;
    ToastTexts batchReady;
    DeliveryTexts delivery;
    // The three multi-line texts, with every "@" turned into a line break.
    std::string mashRequired2;
    std::string recipeSelection;
    std::string potentialBuyers;

    // The name of flavour 1 to 4, or of no flavour for anything else.
    const char* flavourName(int flavour) const {
        return flavour >= 1 && flavour <= 4 ? flavourNames[flavour] : flavourNames[0];
    }
    // The name of recipe 1 to 3, or the empty text.
    const char* recipeName(int recipe) const {
        return recipe >= 1 && recipe <= 3 ? recipeNames[recipe - 1] : "";
    }
};

// The English texts of data/Corvale/Lang2.dat, built into the plug-in.
std::string_view ShippedLang2Text();
// Makes the built-in English texts the data's language file, for a Lang2.dat that is
// missing or did not load whole.
void UseShippedTexts(GameData& data);

// Looks every key up in the data's language file.
void LoadBusinessTexts(const GameData& data, BusinessTexts& texts);
// The text of any other language key (ingredient names, by the flavour table).
const char* BusinessText(const GameData& data, const char* key);
// A copy of text with every "@" replaced by a line break.
std::string MultiLine(const std::string& text);

} // namespace corvale::business
