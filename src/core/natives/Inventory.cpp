#include "core/natives/Inventory.h"

#include "core/natives/Player.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kGetInventoryIdFromPed = 0x13d234a2a3f66e63;
constexpr uint64_t kRemoveInventoryItem = 0xb4158c8c9a3b5dce;
constexpr uint64_t kInventoryItemCount = 0xe787f05dfc977bde;
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
