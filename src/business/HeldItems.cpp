#include "business/HeldItems.h"

#include "core/natives/Inventory.h"
#include "core/natives/Strings.h"

#include <cstring>

namespace corvale::business {

void HeldItems::beginFrame(Ped player) {
    player_ = player;
    inventoryRead_ = false;
    for (int i = 0; i < used_; ++i)
        entries_[i].fresh = false;
}

HeldItems::Entry* HeldItems::find(const char* item) {
    for (int i = 0; i < used_; ++i)
        if (std::strcmp(entries_[i].name, item) == 0) return &entries_[i];
    if (used_ == kCapacity) return nullptr;
    Entry& added = entries_[used_++];
    added.name = item;
    added.hash = HashString(item);
    return &added;
}

int32_t HeldItems::inventory() {
    if (!inventoryRead_) {
        inventory_ = InventoryOf(player_);
        inventoryRead_ = true;
    }
    return inventory_;
}

int32_t HeldItems::count(const char* item) {
    Entry* e = find(item);
    if (!e) return ItemCount(player_, HashString(item)); // a table full: asked plainly
    if (!e->fresh) {
        e->count = ItemCountIn(inventory(), e->hash);
        e->fresh = true;
    }
    return e->count;
}

} // namespace corvale::business
