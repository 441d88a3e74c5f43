#pragma once
// Something in the camp that reacts to the player standing at it (the ledger, the drinks
// crate, the still): it offers its prompt when the player is close and able, and acts when
// the prompt completes. The camp manager ticks each one every frame while the camp is built
// and the player is within 120 m, and stops them when it no longer does.
#include "core/natives/Handles.h"
#include "core/runtime/Executable.h"

namespace corvale {

class CampInterface;

// What the camp manager asked the game once this frame, for the interactions to read.
struct CampFrame {
    bool built = false; // the camp prop group stands
};

class CampInteractionProcessor : public Executable {
  public:
    CampInteractionProcessor(CampInterface& campSet, const CampFrame& frame)
        : campSet_(campSet), frame_(frame) {}

    // No longer ticked (the player went away, the camp was removed, the camp is moving):
    // whatever it offers is taken off the screen, once.
    virtual void stop() = 0;

  protected:
    CampInterface& campSet_;
    const CampFrame& frame_;
};

// The player can use something: on foot and not in a fist fight.
bool PlayerIsAble(Ped player);

} // namespace corvale
