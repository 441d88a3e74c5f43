#include "core/natives/ItemSets.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kCreateItemset{0xa1af16083320065a, "CREATE_ITEMSET", "BOOL"};
constexpr native::Native kDestroyItemset{0x712bc69f10549b92, "DESTROY_ITEMSET", "ItemSet"};
constexpr native::Native kGetItemsetSize{0x55f2e375ac6018a9, "GET_ITEMSET_SIZE", "ItemSet"};
constexpr native::Native kGetIndexedItemInItemset{0x275a2e2c0fab7612, "GET_INDEXED_ITEM_IN_ITEMSET",
                                                  "int,ItemSet"};
} // namespace

ItemSet CreateItemSet(bool flag) {
    return Invoke<ItemSet>(kCreateItemset, flag);
}

void DestroyItemSet(ItemSet& set) {
    Invoke(kDestroyItemset, set);
    set = kNoItemSet;
}

int32_t ItemSetSize(ItemSet set) {
    return Invoke<int32_t>(kGetItemsetSize, set);
}

// The game takes the index first, then the set.
Entity ItemSetEntry(ItemSet set, int32_t index) {
    return Invoke<Entity>(kGetIndexedItemInItemset, index, set);
}

} // namespace corvale
