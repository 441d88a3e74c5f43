#include "core/natives/Inventory.h"

#include "core/natives/DebugTools.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kGetInventoryIdFromPed = 0x13d234a2a3f66e63;
constexpr uint64_t kRemoveInventoryItem = 0xb4158c8c9a3b5dce;
constexpr uint64_t kInventoryItemCount = 0xe787f05dfc977bde;

TransactionNotifier gNotifier = nullptr;
} // namespace

void SetTransactionNotifier(TransactionNotifier notifier) {
    gNotifier = notifier;
}

int32_t ItemCount(Ped ped, Hash item) {
    const int32_t inventory = Invoke<int32_t>(kGetInventoryIdFromPed, ped);
    return Invoke<int32_t>(kInventoryItemCount, inventory, item, false);
}

void RemoveItem(Ped ped, Hash item, int32_t quantity, const char* iconDict, Hash iconHash,
                bool notify) {
    if (!DebugToolsOn()) {
        const int32_t inventory = Invoke<int32_t>(kGetInventoryIdFromPed, ped);
        Invoke<bool>(kRemoveInventoryItem, inventory, item, quantity,
                     HashString("REMOVE_REASON_DEFAULT"));
    }
    if (ped == PlayerPed() && notify && gNotifier)
        gNotifier(false, item, iconDict, iconHash != 0 ? iconHash : item);
}

} // namespace corvale
