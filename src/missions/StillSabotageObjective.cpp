#include "missions/StillSabotageObjective.h"

#include "core/log/Log.h"
#include "core/natives/AiEvents.h"
#include "core/natives/Combat.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Inventory.h"
#include "core/natives/Objects.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"
#include "core/natives/Weapons.h"
#include "core/timers/NamedTimers.h"
#include "site/Blips.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"
#include "ui/Tutorials.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr const char* kTimerName = "still_sabotage_objective";
constexpr int32_t kSearchEveryMs = 500;
constexpr float kSearchRadius = 30.0f;
constexpr float kTutorialReach = 25.0f;
constexpr float kBlastReach = 5.0f;
constexpr float kPoisonReach = 1.5f;
constexpr int32_t kHold = 2;
constexpr int32_t kExplosionSlots = 6;
} // namespace

StillSabotageObjective::StillSabotageObjective(const SabotageSetup& setup,
                                               const InfiltrationKit& kit)
    : InfiltrationObjectiveProcessor(setup, kit), searchTimer_(&kit.timers.timerFor(kTimerName)),
      stillModel_(HashString("P_STILL02X")), stillSprite_(HashString("blip_moonshine_still")),
      herb_(HashString("consumable_herb_oleander_sage")),
      explosionEvent_(HashString("EVENT_ENTITY_EXPLOSION")) {
    poisonPrompt_.create(LangText(kit_.data, "missions.camp_infiltration.prompts.posion_still"),
                         HashString("INPUT_CONTEXT_Y"), PromptSetup{kHold, kLedgerPromptGroup});
}

void StillSabotageObjective::tick() {
    if (objectiveStatus_ != kRunning) return;
    // A still the game took away is looked for again (the stand-in of the mission's scene).
    if (still_ != 0 && !EntityExists(still_)) {
        RemoveBlip(&stillBlip_);
        still_ = 0;
    }
    if (still_ == 0) return lookForStill();
    markStill();
    detectBlast();
    if (objectiveStatus_ == kRunning) {
        offerPoison();
        followPoisoning();
    }
    if (objectiveStatus_ == kCompleted) {
        RemoveBlip(&stillBlip_);
        poisonPrompt_.withdraw();
    }
}

void StillSabotageObjective::lookForStill() {
    if (kit_.debugTools.on()) {
        char text[64];
        std::snprintf(text, sizeof text, "still: %.1f m",
                      static_cast<double>(Distance(PlayerPosition(), setup_.stillPosition)));
        kit_.debugTools.drawText(text);
    }
    if (searchTimer_->elapsedMs() < kSearchEveryMs) return;
    // Said when the search begins, not on every try.
    if (!searchLogged_) Log("StillSabotageObjective: looking for still entity...");
    searchLogged_ = true;
    still_ = ClosestObjectOfModel(setup_.stillPosition, kSearchRadius, stillModel_);
    searchTimer_->reset();
    if (still_ != 0) Log("StillSabotageObjective: still entity found");
}

void StillSabotageObjective::markStill() {
    if (stillBlip_ == 0) {
        stillBlip_ = BlipForEntity(still_, blips::kStyleStill, stillSprite_);
        if (stillBlip_ != 0) SetBlipName(stillBlip_, LangText(kit_.data, "blips.still"));
    }
    if (tutorialShown_) return;
    if (!(Distance(PlayerPed(), still_) < kTutorialReach)) return;
    kit_.tutorials.trigger("sabotage_still", false);
    tutorialShown_ = true;
}

// Dynamite or another thrown explosive going off within 5 m of the still.
void StillSabotageObjective::detectBlast() {
    const int32_t count = AiEventCount();
    if (count == 0) return;
    const Vector3 stillAt = EntityPosition(still_);
    for (int32_t i = 0; i < count; ++i) {
        if (AiEventTypeAt(i) != explosionEvent_) continue;
        uint64_t slots[kExplosionSlots] = {};
        if (!ReadAiEventData(i, slots, kExplosionSlots)) continue;
        const Hash weapon = static_cast<Hash>(slots[2]);
        if (weapon != weapons::kThrownExplosive && weapon != weapons::kThrownDynamite) continue;
        const Vector3 at{SlotFloat(slots[3]), SlotFloat(slots[4]), SlotFloat(slots[5])};
        if (Distance(at, stillAt) > kBlastReach) continue;
        return complete("StillSabotageObjective: still exploded");
    }
}

void StillSabotageObjective::offerPoison() {
    const Ped player = PlayerPed();
    if (!(Distance(player, StillSpot(still_)) < kPoisonReach) || !IsPedOnFoot(player) ||
        IsPedInMeleeCombat(player)) {
        poisonPrompt_.withdraw();
        return;
    }
    ShowPromptGroupThisFrame(kLedgerPromptGroup, TextLiteral(LangText(kit_.data, "prompts.still")));
    const bool enabled = kit_.debugTools.on() ||
                         (!herbsTask_ && !IsPedReloading(player) && ItemCount(player, herb_) > 0);
    poisonPrompt_.offer(enabled);
    if (!poisonPrompt_.completed()) return;
    herbsTask_ = std::make_unique<PutHerbsInStillTask>(player, still_, true, kit_.debugTools);
    poisonPrompt_.hide();
}

void StillSabotageObjective::followPoisoning() {
    if (!herbsTask_) return;
    herbsTask_->tick();
    if (herbsTask_->isRunning()) return;
    if (herbsTask_->isFinished()) complete("StillSabotageObjective: still posioned");
    // The herb is spent even when the player was stopped half way.
    RemoveItem(PlayerPed(), herb_, 1, "inventory_items", 0, kit_.debugTools, &kit_.notifications);
    herbsTask_.reset();
}

// The line is the log's; the player reads the camp's own message about the ruined still.
void StillSabotageObjective::complete(const char* logLine) {
    Log(logLine);
    if (kit_.debugTools.on()) kit_.notifications.showMessage(logLine);
    objectiveStatus_ = kCompleted;
}

void StillSabotageObjective::cleanup() {
    RemoveBlip(&stillBlip_);
    herbsTask_.reset();
    poisonPrompt_.hide();
    poisonPrompt_.remove();
    kit_.timers.remove(kTimerName);
    searchTimer_ = nullptr;
    still_ = 0;
}

} // namespace corvale
