#pragma once
// Item sets: lists of handles a native fills for the script (the peds fighting someone). The
// game lends a set from a small pool: destroy it once read.
#include "core/natives/Handles.h"

#include <cstdint>

namespace corvale {

using ItemSet = int32_t;
inline constexpr ItemSet kNoItemSet = 0;

// An empty set; kNoItemSet when the game has none left to lend.
ItemSet CreateItemSet(bool flag);
// Gives the set back to the game; the handle becomes kNoItemSet.
void DestroyItemSet(ItemSet& set);
int32_t ItemSetSize(ItemSet set);
// The handle at index, 0 <= index < ItemSetSize.
Entity ItemSetEntry(ItemSet set, int32_t index);

} // namespace corvale
