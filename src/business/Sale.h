#pragma once
// What a finished batch fetches from the buyer, and what stays in the still once it is gone.
#include "business/BusinessSave.h"

#include <cstdint>

namespace corvale::business {

// The flavour's price when its herbs went into the still, else the recipe's; nothing for a
// batch of no recipe and no flavour in.
int32_t SalePriceCents(const BusinessSave& save);

// The batch has left the still (sold or lost). Mash bought meanwhile stays with its recipe
// so that it brews; everything else goes back to an empty still.
void ClearDeliveredBatch(BusinessSave& save);

} // namespace corvale::business
