#include "business/Brewing.h"

#include "core/data/NumberText.h"
#include "core/timers/Elapsed.h"

#include <cmath>
#include <cstdint>
#include <exception>

namespace corvale::business {

namespace {

constexpr Recipe kRecipes[kRecipeCount] = {
    {"menu.weakMoonshine", "menu.weakMoonshineTime", 1500, "$15", "moonshiner_workbench_still_weak",
     3.0f, 2500},
    {"menu.mediumMoonshine", "menu.mediumMoonshineTime", 2500, "$25",
     "moonshiner_workbench_still_average", 2.0f, 4000},
    {"menu.strongMoonshine", "menu.strongMoonshineTime", 5000, "$50",
     "moonshiner_workbench_still_strong", 1.0f, 7000},
};

constexpr Flavour kFlavours[kFlavourCount] = {
    {"menu.Flavour1",
     1,
     {"consumable_apple", "consumable_herb_ginseng", "consumable_herb_currant"},
     "$25.80 Value",
     2580,
     "moonshiner_workbench_flavoring_quality_01",
     {"menu.appleIngredient", "menu.ginsengIngredient", "menu.currantIngredient"}},
    {"menu.Flavour2",
     2,
     {"consumable_herb_evergreen_huckleberry", "consumable_herb_wintergreen_berry",
      "consumable_herb_ginseng"},
     "$68.40 Value",
     6840,
     "moonshiner_workbench_flavoring_quality_02",
     {"menu.huckleberryIngredient", "menu.wintergreenIngredient", "menu.ginsengIngredient"}},
    {"menu.Flavour3",
     3,
     {"consumable_strawberries_can", "consumable_herb_wild_mint", "consumable_peach"},
     "$92.20 Value",
     9220,
     "moonshiner_workbench_flavoring_quality_03",
     {"menu.strawberriesIngredient", "menu.mintIngredient", "menu.peachIngredient"}},
    {"menu.Flavour4",
     3,
     {"consumable_peaches_can", "consumable_herb_red_raspberry", "consumable_peach"},
     "$113.80 Value",
     11380,
     "moonshiner_workbench_flavoring_quality_03",
     {"menu.peachCanIngredient", "menu.raspberryIngredient", "menu.peachIngredient"}},
};

constexpr float kDefaultModifier = 1.0f;
constexpr const char* kEmptyStillPicture = "moonshiner_workbench_still_empty";
constexpr const char* kNoFlavourPicture = "moonshiner_workbench_flavoring";

} // namespace

const Recipe* RecipeFor(int recipe) {
    return recipe >= 1 && recipe <= kRecipeCount ? &kRecipes[recipe - 1] : nullptr;
}

const Flavour* FlavourFor(int flavour) {
    return flavour >= 1 && flavour <= kFlavourCount ? &kFlavours[flavour - 1] : nullptr;
}

const char* StillPicture(int recipe) {
    const Recipe* r = RecipeFor(recipe);
    return r ? r->stillPicture : kEmptyStillPicture;
}

const char* FlavourPicture(int flavour) {
    const Flavour* f = FlavourFor(flavour);
    return f ? f->picture : kNoFlavourPicture;
}

int BottlesMade(float production) {
    const float bottles = production * 0.2f;
    return bottles > 0.0f ? static_cast<int>(bottles) : 0;
}

bool BatchWaitsForSale(const BusinessSave& save) {
    return save.production == kFullBatch && RecipeFor(save.recipe) != nullptr;
}

void StartBatch(BusinessSave& save, int recipe) {
    if (!RecipeFor(recipe)) return;
    save.recipe = recipe;
    save.mash = kFullBatch;
}

bool IsFlavourAvailable(int flavour, int recipe, const int32_t heldCounts[3]) {
    const Flavour* f = FlavourFor(flavour);
    if (!f || f->fitsRecipe != recipe) return false;
    return heldCounts[0] > 0 && heldCounts[1] > 0 && heldCounts[2] > 0;
}

void ProductionTick(BusinessSave& save, float& flavourProgress) {
    if (save.flavour != 0 && save.herbsInStill && flavourProgress < kFullBatch)
        flavourProgress = std::fmin(flavourProgress + kFlavourStep, kFullBatch);
    if (save.production < kFullBatch && save.mash > 0.0f) {
        if (const Recipe* r = RecipeFor(save.recipe)) {
            save.mash -= r->stepPerTick;
            save.production += r->stepPerTick;
        }
    }
    if (save.mash < 0.0f) save.mash = 0.0f;
    if (save.production > kFullBatch) save.production = kFullBatch;
}

int32_t NextProductionTick(int32_t now, float brewingTimeModifier) {
    constexpr float kLongestIntervalMs = 1073741824.0f; // 2^30 ms
    const float interval = brewingTimeModifier * kProductionIntervalMs;
    uint32_t ms = 0;
    if (interval > 0.0f)
        ms = interval < kLongestIntervalMs ? static_cast<uint32_t>(interval)
                                           : static_cast<uint32_t>(kLongestIntervalMs);
    return TimerPlus(now, static_cast<int32_t>(ms));
}

float ParseBrewingTimeModifier(const char* text) {
    if (!text || !*text) return 0.0f;
    try {
        const float value = ParseFloat(text);
        return std::isfinite(value) ? value : kDefaultModifier;
    } catch (const std::exception&) {
        return kDefaultModifier; // "fast" and the like
    }
}

} // namespace corvale::business
