#pragma once
// The camp's three interactions, ticked in their order (the still, the drinks crate, the
// ledger) while the player is within reach of the built camp, and stopped once when he is
// no longer, the camp goes or it moves.
#include "camp/CampInteractionProcessor.h"

#include <array>
#include <memory>

namespace corvale {

class CampFeeReader;
class CampLedgerInteractions;
class CampLocationSelector;
class DebugTools;
class GameData;
class MissionsManager;
class Notifications;

class CampInteractions final {
  public:
    CampInteractions(CampInterface& campSet, const CampFrame& frame, MissionsManager& missions,
                     const CampLocationSelector& selector, GameData& data,
                     Notifications& notifications, const CampFeeReader& fee,
                     const DebugTools& debug);
    ~CampInteractions();
    CampInteractions(const CampInteractions&) = delete;
    CampInteractions& operator=(const CampInteractions&) = delete;

    void tick();
    // Once after they were ticked: what they offer leaves the screen.
    void stop();
    CampLedgerInteractions& ledger() { return *ledger_; }

  private:
    std::array<std::unique_ptr<CampInteractionProcessor>, 3> list_;
    CampLedgerInteractions* ledger_ = nullptr;
    bool ticked_ = false;
};

} // namespace corvale
