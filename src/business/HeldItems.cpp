#include "business/HeldItems.h"

#include "core/natives/Inventory.h"
#include "core/natives/Strings.h"

#include <cstdio>
#include <cstring>

namespace corvale::business {

void HeldItems::beginFrame(Ped player) {
    // A ped's inventory stays its own: asked again only for another ped, or after no answer.
    if (player != player_ || inventory_ == 0) inventoryRead_ = false;
    player_ = player;
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

Hash HeldItems::hashOf(const char* item) {
    const Entry* e = find(item);
    return e ? e->hash : HashString(item);
}

const char* HeldItems::countText(const char* item) {
    const int32_t n = count(item);
    Entry* e = find(item);
    if (!e) {
        std::snprintf(unlisted_, sizeof unlisted_, "%d", n);
        return unlisted_;
    }
    if (e->written != n) {
        std::snprintf(e->text, sizeof e->text, "%d", n);
        e->written = n;
    }
    return e->text;
}

} // namespace corvale::business
