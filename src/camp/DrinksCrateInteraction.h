#pragma once
// The crate of drinks beside the cook's work spot: the player walks up, bends down and
// takes a bottle.
#include "camp/CampInteractionProcessor.h"
#include "core/natives/Prompt.h"

namespace corvale {

class GameData;

class DrinksCrateInteraction final : public CampInteractionProcessor {
  public:
    DrinksCrateInteraction(CampInterface& campSet, const CampFrame& frame, const GameData& data);

    void tick() override;
    void stop() override;

    const Prompt& takePrompt() const { return takePrompt_; }

  private:
    bool playerCanTake(Ped player, Object crate);
    void takeDrink(Ped player, Object crate);

    const GameData& data_;
    Prompt takePrompt_;
};

} // namespace corvale
