#include "camp/CampLedgerInteractions.h"

#include "ai/PutHerbsInStillTask.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Combat.h"
#include "core/natives/Distance.h"
#include "core/natives/Money.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"
#include "core/text/TextFormat.h"
#include "missions/MissionsManager.h"
#include "site/CampFee.h"
#include "site/CampInterface.h"
#include "site/CampLocationSelector.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr int32_t kStandardizedHold = 3;
constexpr float kReach = 1.0f;
constexpr int32_t kHelpMs = 5000;
} // namespace

CampLedgerInteractions::CampLedgerInteractions(CampInterface& campSet, const CampFrame& frame,
                                               MissionsManager& missions,
                                               const CampLocationSelector& selector,
                                               const GameData& data, Notifications& notifications,
                                               const CampFeeReader& fee)
    : CampInteractionProcessor(campSet, frame), missions_(missions), selector_(selector),
      data_(data), notifications_(notifications), fee_(fee) {
    sabotagePrompt_.create(LangText(data_, "prompts.ledger.sabotage_mission"),
                           HashString("INPUT_CONTEXT_B"),
                           PromptSetup{kStandardizedHold, kLedgerPromptGroup});
    chooseLocationPrompt_.create(LangText(data_, "prompts.ledger.choose_location"),
                                 HashString("INPUT_CONTEXT_X"),
                                 PromptSetup{kStandardizedHold, kLedgerPromptGroup});
}

void CampLedgerInteractions::tick() {
    if (!playerAtLedger()) return stop();
    ShowPromptGroupThisFrame(kLedgerPromptGroup, TextLiteral(LangText(data_, "prompts.ledger")));
    offerSabotage();
    offerMove();
}

void CampLedgerInteractions::stop() {
    sabotagePrompt_.withdraw();
    chooseLocationPrompt_.withdraw();
}

// The cheap answers first: most frames the player is nowhere near the ledger.
bool CampLedgerInteractions::playerAtLedger() {
    if (!frame_.built || campSet_.menuOpen || selector_.isOpen() || missions_.hasMission())
        return false;
    const Object ledger = campSet_.findLedger();
    if (ledger == 0) return false;
    const Ped player = PlayerPed();
    if (!(Distance(player, InteractionSpot(ledger)) < kReach)) return false;
    if (IsLawIncidentActive(PlayerIndex())) return false;
    if (CountPedsInCombatWith(player, 0) > 0) return false;
    return PlayerIsAble(player);
}

void CampLedgerInteractions::offerSabotage() {
    const int32_t id = campSet_.location()->missionId;
    if (!missions_.canStartMission(MissionType::Sabotage, id)) return sabotagePrompt_.withdraw();
    sabotagePrompt_.offer(true);
    if (sabotagePrompt_.completed()) missions_.startMission(MissionType::Sabotage, id);
}

void CampLedgerInteractions::offerMove() {
    if (PlayerCashCents() < fee_.cents()) {
        chooseLocationPrompt_.offer(false);
        explainInsufficientFunds();
        return;
    }
    chooseLocationPrompt_.offer(true);
    if (chooseLocationPrompt_.completed())
        events::SendCampEvent(
            {static_cast<int32_t>(HashString(events::kCampLocationSelectorOpen))});
}

void CampLedgerInteractions::explainInsufficientFunds() {
    if (fundsExplained_) return;
    fundsExplained_ = true;
    char fee[16];
    std::snprintf(fee, sizeof fee, "%d", static_cast<int>(fee_.dollars()));
    char text[100];
    FormatText(text, LangText(data_, "tutorial.change_location_insufficient_funds"), fee);
    notifications_.showHelpText(text, kHelpMs);
}

} // namespace corvale
