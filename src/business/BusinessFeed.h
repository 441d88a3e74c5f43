#pragma once
// What the still tells the player in the game's feed: the toast of a batch that is ready to
// sell, wherever he is, and the buyer's cash when a delivery is paid.
#include "core/natives/FeedEntries.h"

#include <cstdint>

namespace corvale::business {

struct BusinessTexts;

class BusinessFeed {
  public:
    // A batch reached 20 bottles: its toast is shown once its icon is loaded, or after 2 s
    // without it.
    void announceBatchReady(int32_t now);
    // Each frame: shows the announced toast when it may. Costs nothing while none waits.
    void tick(int32_t now, const BusinessTexts& texts);
    // The buyer's payment in the cash feed, with the feed's sound of money coming in.
    void showPayment(int32_t cents);

  private:
    ToastBlocks toast_{};
    CashChangeBlocks cash_{};
    bool toastWaits_ = false;
    bool iconRequested_ = false;
    int32_t toastSince_ = 0; // the game timer when the batch was ready
};

} // namespace corvale::business
