// The camp side's script events: the still menu, the herbs, the map, the statistics, the
// missions and deliveries, and the player walking into camp.
#include "camp/CampManager.h"

#include "camp/CampLedgerInteractions.h"
#include "core/data/GameData.h"
#include "core/events/EventInbox.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/log/LogLimit.h"
#include "core/natives/Blips.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "missions/MissionsManager.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <cstdio>
#include <exception>
#include <string>

namespace corvale {

namespace {

constexpr const char* kReceived = "CampManager: received event: ";
// Lines of one frame's events; another script may queue hundreds.
constexpr int32_t kEventLinesPerFrame = 20;

void LogReceived(const char* name) {
    Log(std::string(kReceived) + name);
}

bool DebugLogs(const GameData& data) {
    try {
        return data.settings().getBool("DebugLogs");
    } catch (const std::exception&) {
        return false;
    }
}

// Another script may send any word: a statistic is saved as a fraction.
int32_t ClampHundredths(int32_t word) {
    return word < 0 ? 0 : word > 100 ? 100 : word;
}

} // namespace

// The events kept since the last pass are read in one go: what waits (the map, a move) is
// done after the read, and the events kept meanwhile are read on the next pass.
void CampManager::processEvents() {
    Requests requests;
    {
        const LogLimit limit("CampManager: received events", kEventLinesPerFrame);
        events::ForEachKeptEvent(events_,
                                 [&](const events::ScriptEvent& e) { onEvent(e, requests); });
    }
    carryOut(requests);
}

void CampManager::onEvent(const events::ScriptEvent& e, Requests& requests) {
    if (e.is(events::kMenuOpen)) {
        LogReceived(events::kMenuOpen);
        campSet_.menuOpen = true;
    } else if (e.is(events::kMenuClosed)) {
        LogReceived(events::kMenuClosed);
        campSet_.menuOpen = false;
    } else if (e.is(events::kMenuFlavourSet)) {
        LogReceived(events::kMenuFlavourSet);
        onFlavourSet(e);
    } else if (e.is(events::kCampLocationSelectorOpen)) {
        LogReceived(events::kCampLocationSelectorOpen);
        requests.openSelector = true;
    } else if (e.is(events::kCampLocationSelectorClose)) {
        LogReceived(events::kCampLocationSelectorClose);
        requests.openSelector = false;
        selector_.close();
    } else if (e.is(events::kCampLocationChanged)) {
        Log(std::string(kReceived) + events::kCampLocationChanged + ": " +
            std::to_string(e.word(1)));
        if (requests.move) {
            Log("CampManager: a location change is already under way, dropped the change to " +
                std::to_string(e.word(1)));
            return;
        }
        requests.move = true;
        requests.moveId = e.word(1);
        requests.moveFree = e.word(2) != 0;
    } else if (e.is(events::kPutHerbsInStill)) {
        LogReceived(events::kPutHerbsInStill);
        onHerbsPutIn();
    } else if (e.is(events::kModifyLawAwareness)) {
        Log(std::string(kReceived) + events::kModifyLawAwareness +
            ", amount: " + std::to_string(e.word(1)));
        lawAwareness_.add(static_cast<float>(e.word(1)) * 0.01f);
    } else if (e.is(events::kLawAwarenessSet) || e.is(events::kInfluenceSet)) {
        onStatEvent(e);
    } else if (e.is(events::kModifyInfluence)) {
        Log(std::string(kReceived) + events::kModifyInfluence +
            ", amount: " + std::to_string(e.word(1)));
        influence_.add(static_cast<float>(e.word(1)) * 0.01f);
    } else if (e.is(events::kMissionFinished)) {
        Log(std::string(kReceived) + events::kMissionFinished + ", mission type: " +
            std::to_string(e.word(1)) + " status: " + std::to_string(e.word(2)));
        onMissionFinished(e.word(1), e.word(2));
    } else if (e.is(events::kDeliveryFinished)) {
        LogReceived(events::kDeliveryFinished);
        dropPendingHerbs();
        influence_.add(setting("stats.influence.mission_effects.delivery.success", 0.2f));
        lawAwareness_.add(setting("stats.law_awareness.mission_effects.delivery.success", 0.2f));
    } else if (e.is(events::kDeliveryNotFinished)) {
        LogReceived(events::kDeliveryNotFinished);
        dropPendingHerbs();
        influence_.add(setting("stats.influence.mission_effects.delivery.fail", -0.1f));
        lawAwareness_.add(setting("stats.law_awareness.mission_effects.delivery.fail", 0.0f));
    } else if (e.is(events::kPlayerEnterCamp)) {
        Log(std::string("CampManager: ") + events::kPlayerEnterCamp);
        onPlayerEnterCamp();
    } else if (DebugLogs(data_)) {
        onLogOnlyEvent(e);
    }
}

void CampManager::onLogOnlyEvent(const events::ScriptEvent& e) {
    if (e.is(events::kCampLocationSet))
        LogReceived(events::kCampLocationSet);
    else if (e.is(events::kCampDespawned))
        LogReceived(events::kCampDespawned);
    else if (e.is(events::kMissionAccepted))
        Log(std::string("CampManager: ") + events::kMissionAccepted +
            ". type: " + std::to_string(e.word(2)));
}

void CampManager::carryOut(const Requests& requests) {
    if (requests.move) return changeLocation(requests.moveId, requests.moveFree, true);
    if (!requests.openSelector) return;
    selectorForRescue_ = cookRescueRunning();
    selector_.open();
}

void CampManager::onStatEvent(const events::ScriptEvent& e) {
    const bool influence = e.is(events::kInfluenceSet);
    const char* name = influence ? events::kInfluenceSet : events::kLawAwarenessSet;
    char value[32];
    std::snprintf(value, sizeof value, "%f", static_cast<double>(e.word(1) * 0.01f));
    Log(std::string(kReceived) + name + ", updated value: " + value);
    saveStat(influence ? "operation.stats.influence" : "operation.stats.law_awareness",
             ClampHundredths(e.word(1)));
}

// Written by the autosave.
void CampManager::saveStat(const char* key, int32_t hundredths) {
    data_.savegameFile()->setFloat(key, static_cast<float>(hundredths) * 0.01f);
}

// Each mission type registered what its end does; other statuses change nothing.
void CampManager::onMissionFinished(int32_t type, int32_t status) {
    const bool passed = status == Number(MissionStatus::Passed);
    const bool failed = status == Number(MissionStatus::Failed);
    const MissionOutcome* outcome = missions_.outcome(type);
    if ((!passed && !failed) || !outcome) return;
    applyEffect(influence_, passed ? outcome->influencePassed : outcome->influenceFailed);
    applyEffect(lawAwareness_,
                passed ? outcome->lawAwarenessPassed : outcome->lawAwarenessFailed);
}

void CampManager::applyEffect(CampStat& stat, const MissionEffect& effect) {
    if (effect.key) stat.add(setting(effect.key, effect.fallback));
}

void CampManager::onFlavourSet(const events::ScriptEvent& e) {
    campSet_.herbsPending = true;
    for (size_t k = 0; k < 3; ++k)
        campSet_.herbs[k] = static_cast<Hash>(e.word(k + 2));
    saveHerbs();
    showStillBlip();
    notifications_.showMessage(LangText(data_, "camp.put_herbs_in_still"));
}

void CampManager::showStillBlip() {
    const Blip blip = campSet_.ensureStillBlip();
    if (blip != 0) SetBlipStyle(blip, HashString("BLIP_STYLE_OBJECTIVE_MINOR"));
}

// Only what the player carries is taken: an item he no longer has gets no feed line.
void CampManager::onHerbsPutIn() {
    const Ped player = PlayerPed();
    for (Hash& herb : campSet_.herbs) {
        if (herb != 0 && ItemCount(player, herb) > 0)
            RemoveItem(player, herb, 1, "inventory_items", 0, debug_, &notifications_);
        herb = 0;
    }
    campSet_.herbsPending = false;
    saveHerbs();
    campSet_.removeStillBlip();
}

// The raid itself starts after 20 s in camp (tick).
void CampManager::onPlayerEnterCamp() {
    const CampLocation* location = campSet_.location();
    if (!location) return;
    const float influence = influence_.get();
    if (influence < setting("camp_raid.min_influence", -999.0f)) return;
    if (!(RandomFloat01() <= setting("camp_raid.influence_factor", -999.0f) * influence)) return;
    if (!missions_.canStartMission(MissionType::CampRaid, location->missionId)) return;
    Log("CampManager: camp raid scheduled.");
    setValue("camp_raid_should_trigger", 1);
    raidTimer_.reset();
}

} // namespace corvale
