#pragma once
// The end of a delivery at the buyer, over frames: the player steps off, the screen fades,
// the batch is paid, the buyer drives the wagon off, the screen comes back. Each frame takes
// the steps whose wait is over and returns, so no frame of the business waits inside it.
#include "core/timers/StepChain.h"

#include <cstdint>

namespace corvale::business {

class BusinessScript;

class Handover final {
  public:
    // The wagon stands at the buyer: the player steps off; the rest follows over frames.
    void begin(BusinessScript& script);
    bool underWay() const { return steps_.underWay(); }
    // Once a frame while under way: the steps whose wait is over.
    void advance(BusinessScript& script);

  private:
    enum class Step { None, Sell, Buyer, End };

    void take(BusinessScript& script, Step step);
    void sell(BusinessScript& script);
    void bringBuyer(BusinessScript& script);
    void handOverWagon(BusinessScript& script);
    void end(BusinessScript& script);

    StepChain<Step> steps_;
    int32_t buyerAsked_ = 0; // the buyer's model wait counts from here
    int32_t paid_ = 0;
    bool sold_ = false;      // the batch left the still: the delivery ends with this handover
    bool wagonGone_ = false; // the buyer has the wagon
};

} // namespace corvale::business
