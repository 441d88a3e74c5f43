#include "camp/CampInteractions.h"

#include "camp/CampLedgerInteractions.h"
#include "camp/DrinksCrateInteraction.h"
#include "camp/PutHerbsInStillInteraction.h"

namespace corvale {

CampInteractions::CampInteractions(CampInterface& campSet, const CampFrame& frame,
                                   MissionsManager& missions, const CampLocationSelector& selector,
                                   GameData& data, Notifications& notifications,
                                   const CampFeeReader& fee, const DebugTools& debug) {
    auto ledger = std::make_unique<CampLedgerInteractions>(campSet, frame, missions, selector, data,
                                                           notifications, fee);
    ledger_ = ledger.get();
    list_ = {
        std::make_unique<PutHerbsInStillInteraction>(campSet, frame, data, debug, notifications),
        std::make_unique<DrinksCrateInteraction>(campSet, frame, data),
        std::move(ledger),
    };
}

CampInteractions::~CampInteractions() = default;

void CampInteractions::tick() {
    for (const auto& interaction : list_)
        interaction->tick();
    ticked_ = true;
}

void CampInteractions::stop() {
    if (!ticked_) return;
    for (const auto& interaction : list_)
        interaction->stop();
    ticked_ = false;
}

} // namespace corvale
