#pragma once
// Brewing rules: the three recipes, the four flavours, buying mash, choosing a flavour and
// the production tick that moves mash into moonshine over game time.
#include "business/BusinessSave.h"

#include <cstdint>

namespace corvale::business {

struct Recipe {
    const char* nameKey;
    const char* timeKey;
    int32_t priceCents;
    const char* priceText;
    const char* stillPicture;
    float stepPerTick;
    int32_t saleCents; // without a flavour
};

struct Flavour {
    const char* nameKey;
    int fitsRecipe;
    const char* items[3]; // what availability and the flavour event use, in event order
    const char* valueLabel;
    int32_t saleCents;
    const char* picture;
    const char* itemNameKeys[3]; // the ingredients' names on the flavours page, as items
};

constexpr int kRecipeCount = 3;
constexpr int kFlavourCount = 4;
constexpr float kFullBatch = 100.0f;
constexpr float kFlavourStep = 3.0f;
constexpr float kProductionIntervalMs = 28800.0f;

// Recipe 1 to 3 and flavour 1 to 4; anything else has no entry (nullptr).
const Recipe* RecipeFor(int recipe);
const Flavour* FlavourFor(int flavour);

// Pictures of the "toast_mp_roles" dictionary: the still by recipe (the empty still for none),
// the flavouring by flavour (the bare flavouring for none) and the product.
const char* StillPicture(int recipe);
const char* FlavourPicture(int flavour);
inline constexpr const char* kProductPicture = "moonshiner_workbench_moonshine";

// Whole bottles made so far: a full batch is 20.
int BottlesMade(float production);

// A full batch of a known recipe is in the still, waiting for the wagon. Mash bought now
// would take over its recipe and so its price: none is sold until the batch is.
bool BatchWaitsForSale(const BusinessSave& save);

// Takes nothing itself: the page has made sure of the money. Starts a batch of recipe r.
void StartBatch(BusinessSave& save, int recipe);
// The flavour fits the current recipe and the player holds one of each of its ingredients.
bool IsFlavourAvailable(int flavour, int recipe, const int32_t heldCounts[3]);

// Flavouring and brewing of one tick.
void ProductionTick(BusinessSave& save, float& flavourProgress);
// When the next tick is due: the modifier stretches the 28.8 s interval. A modifier of 0
// (or less) makes every frame a tick. The sum wraps with the game timer: compare it by
// difference (ElapsedMs). Intervals are capped at about 12 days so that difference holds.
int32_t NextProductionTick(int32_t now, float brewingTimeModifier);

// "BrewingTimeModifier" as text: empty gives 0, text that is no finite number keeps 1.
float ParseBrewingTimeModifier(const char* text);

} // namespace corvale::business
