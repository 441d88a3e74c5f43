#pragma once
// The player's satchel: taking items away, with a transaction feed entry when asked.
#include "core/natives/DebugTools.h"
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Where a transaction feed entry is shown: the camp's notifications (the bridge cannot reach
// the interface kit). iconHash is never 0: the item hash stands in for it.
class TransactionFeed {
  public:
    virtual void showTransaction(bool positive, Hash item, const char* iconDict, Hash iconHash) = 0;

  protected:
    ~TransactionFeed() = default;
};

// How many of item the ped carries.
int32_t ItemCount(Ped ped, Hash item);
// The same in two steps, for several items read at once: the ped's inventory, then a count.
int32_t InventoryOf(Ped ped);
int32_t ItemCountIn(int32_t inventory, Hash item);

// Takes quantity of the item from the ped's inventory (not while the debug tools are on);
// then, for the player and a feed given, a negative entry with the icon (iconHash 0: the
// item's). A null feed shows nothing.
void RemoveItem(Ped ped, Hash item, int32_t quantity, const char* iconDict, Hash iconHash,
                const DebugTools& debug, TransactionFeed* feed);

} // namespace corvale
