#pragma once
// The player's satchel: taking items away, with a transaction feed entry when asked.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Shows a transaction feed entry. The interface kit installs it at start-up (the bridge
// cannot reach the kit); without one, removals show nothing. iconHash is never 0: the
// item hash stands in for it.
using TransactionNotifier = void (*)(bool positive, Hash item, const char* iconDict, Hash iconHash);
void SetTransactionNotifier(TransactionNotifier notifier);

// Takes quantity of the item from the ped's inventory (not while the debug tools are on);
// then, for the player with notify, a negative feed entry with the icon (iconHash 0: the item's).
// How many of item the ped carries.
int32_t ItemCount(Ped ped, Hash item);

void RemoveItem(Ped ped, Hash item, int32_t quantity, const char* iconDict, Hash iconHash,
                bool notify);

} // namespace corvale
