#include "core/natives/ItemSets.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCreateItemset = 0xa1af16083320065a;
constexpr uint64_t kDestroyItemset = 0x712bc69f10549b92;
constexpr uint64_t kGetItemsetSize = 0x55f2e375ac6018a9;
constexpr uint64_t kGetIndexedItemInItemset = 0x275a2e2c0fab7612;
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
