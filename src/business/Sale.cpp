#include "business/Sale.h"

#include "business/Brewing.h"

namespace corvale::business {

int32_t SalePriceCents(const BusinessSave& save) {
    // A flavour chosen but never put into the still leaves the moonshine plain.
    if (save.herbsInStill)
        if (const Flavour* f = FlavourFor(save.flavour)) return f->saleCents;
    if (const Recipe* r = RecipeFor(save.recipe)) return r->saleCents;
    return 0;
}

void ClearDeliveredBatch(BusinessSave& save) {
    const BusinessSave before = save;
    save = BusinessSave{};
    if (before.mash > 0.0f) {
        save.mash = before.mash;
        save.recipe = before.recipe;
    }
}

} // namespace corvale::business
