#pragma once
// The camp ledger: start a sabotage of a rival's still, or open the map to move the camp.
#include "camp/CampInteractionProcessor.h"
#include "core/natives/Prompt.h"

namespace corvale {

class CampFeeReader;
class CampLocationSelector;
class GameData;
class MissionsManager;
class Notifications;

class CampLedgerInteractions final : public CampInteractionProcessor {
  public:
    CampLedgerInteractions(CampInterface& campSet, const CampFrame& frame,
                           MissionsManager& missions, const CampLocationSelector& selector,
                           const GameData& data, Notifications& notifications,
                           const CampFeeReader& fee);

    void tick() override;
    void stop() override;

    // Tells the player, once per game run, that moving the camp costs more than they carry.
    void explainInsufficientFunds();

    const Prompt& sabotagePrompt() const { return sabotagePrompt_; }
    const Prompt& chooseLocationPrompt() const { return chooseLocationPrompt_; }

  private:
    bool playerAtLedger();
    void offerSabotage();
    void offerMove();

    MissionsManager& missions_;
    const CampLocationSelector& selector_;
    const GameData& data_;
    Notifications& notifications_;
    const CampFeeReader& fee_;
    Prompt sabotagePrompt_;
    Prompt chooseLocationPrompt_;
    bool fundsExplained_ = false; // the help text on the fee was shown in this game run
};

} // namespace corvale
