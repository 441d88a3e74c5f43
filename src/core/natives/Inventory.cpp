#include "core/natives/Inventory.h"
#include "core/natives/Native.h"

#include "core/natives/Player.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr native::Native kGetInventoryIdFromPed{0x13d234a2a3f66e63,
                                                "_INVENTORY_GET_INVENTORY_ID_FROM_PED", "Ped"};
constexpr native::Native kRemoveInventoryItem{
    0xb4158c8c9a3b5dce, "_INVENTORY_REMOVE_INVENTORY_ITEM_WITH_ITEMID", "int,Hash,int,Hash"};
constexpr native::Native kInventoryItemCount{
    0xe787f05dfc977bde, "_INVENTORY_GET_INVENTORY_ITEM_COUNT_WITH_ITEMID", "int,Hash,BOOL"};
} // namespace

int32_t InventoryOf(Ped ped) {
    return Invoke<int32_t>(kGetInventoryIdFromPed, ped);
}

int32_t ItemCountIn(int32_t inventory, Hash item) {
    return Invoke<int32_t>(kInventoryItemCount, inventory, item, false);
}

int32_t ItemCount(Ped ped, Hash item) {
    return ItemCountIn(InventoryOf(ped), item);
}

void RemoveItem(Ped ped, Hash item, int32_t quantity, const char* iconDict, Hash iconHash,
                const DebugTools& debug, TransactionFeed* feed) {
    if (!debug.on()) {
        const int32_t inventory = InventoryOf(ped);
        Invoke<bool>(kRemoveInventoryItem, inventory, item, quantity,
                     HashString("REMOVE_REASON_DEFAULT"));
    }
    if (ped == PlayerPed() && feed)
        feed->showTransaction(false, item, iconDict, iconHash != 0 ? iconHash : item);
}

} // namespace corvale
