#include "camp/CampManager.h"

#include "camp/CampLedgerInteractions.h"
#include "camp/DrinksCrateInteraction.h"
#include "camp/PutHerbsInStillInteraction.h"
#include "core/data/GameData.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Distance.h"
#include "core/natives/GameClock.h"
#include "core/natives/Navmesh.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/timers/Elapsed.h"
#include "core/timers/NamedTimers.h"
#include "missions/MissionsManager.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "ui/Tutorials.h"

#include <string>

namespace corvale {

namespace {

constexpr int32_t kNoCamp = -1;
constexpr float kCampRadius = 20.0f;
constexpr float kInteractionRange = 120.0f;
constexpr float kBuildRange = 300.0f;
constexpr float kNavmeshRadius = 50.0f;
constexpr uint32_t kBeforeBuildMs = 100;
constexpr int32_t kGuardCount = 3;
constexpr int32_t kRaidAfterSeconds = 20;

constexpr const char* kPlayerInCamp = "player_in_camp";
constexpr const char* kRaidShouldTrigger = "camp_raid_should_trigger";
constexpr const char* kLawIncidentActive = "is_law_incident_active";

bool IsCampPlace(int32_t id) {
    for (const CampLocation& place : CampLocations())
        if (place.id == id) return true;
    return false;
}

} // namespace

CampManager::CampManager(CampInterface& campSet, MissionsManager& missions,
                         const CampManagerKit& kit)
    : campSet_(campSet), data_(kit.data), notifications_(kit.notifications),
      tutorials_(kit.tutorials), debug_(kit.debug), timers_(kit.timers), fee_(kit.fee),
      missions_(missions), saved_(*kit.data.savegameFile(), IsCampPlace, "CampManager: "),
      selector_(campSet, kit.data, kit.fee),
      raidTimer_(kit.timers.timerFor("camp_raid_trigger_timer")) {
    auto ledger = std::make_unique<CampLedgerInteractions>(campSet_, frame_, missions_, selector_,
                                                           data_, notifications_, fee_);
    ledger_ = ledger.get();
    interactions_ = {
        std::make_unique<PutHerbsInStillInteraction>(campSet_, frame_, data_, debug_,
                                                     notifications_),
        std::make_unique<DrinksCrateInteraction>(campSet_, frame_, data_),
        std::move(ledger),
    };
    guards_ = std::make_unique<CampGuards>(campSet_, data_, debug_);
    lawAwareness_.setEventHash(static_cast<int32_t>(HashString(events::kLawAwarenessSet)));
    influence_.setEventHash(static_cast<int32_t>(HashString(events::kInfluenceSet)));
    restoreSavedCamp();
}

CampManager::~CampManager() = default;

// A damaged save gives defaults with a log line; the camp set is built later, when the
// player comes near.
void CampManager::restoreSavedCamp() {
    const int32_t id = saved_.locationId();
    // 0 is how an older save says "no camp".
    if (id == kNoCamp || id == 0) return;
    Log("CampManager: camp location loaded: " + std::to_string(id));
    campSet_.setLocation(FindCampLocation(id));
    lastDegradation_ = GameTimerMs();
    influence_.set(saved_.readFloat("operation.stats.influence", 0.0f));
    lawAwareness_.set(saved_.readFloat("operation.stats.law_awareness", 0.25f));
    restorePendingHerbs();
}

void CampManager::tick() {
    processEvents();
    closeSelectorAfterRescue();
    selector_.tick();
    if (!campSet_.location()) return stopInteractions();
    decay();
    frame_.built = campSet_.isBuilt();
    if (frame_.built) return tickBuiltCamp();
    stopInteractions();
    buildWhenNear();
}

bool CampManager::cookRescueRunning() const {
    const BaseMissionProcessor* mission = missions_.mission();
    return mission && mission->getType() == MissionType::CookRescue && mission->isActive();
}

// The map Clint's prompt opened belongs to his rescue: with him dead or the mission gone, a
// pick would take the fee and build a camp the rescue never pays for.
void CampManager::closeSelectorAfterRescue() {
    if (!selectorForRescue_ || cookRescueRunning()) return;
    selectorForRescue_ = false;
    if (!selector_.isOpen()) return;
    Log("CampManager: the cook rescue is over, putting the map away");
    selector_.close();
}

void CampManager::tickBuiltCamp() {
    const float distance = Distance(PlayerPosition(), campSet_.location()->position);
    // However the player left (walking, a fast travel, a move), the visit and its raid end.
    if (!(distance < kCampRadius)) leaveCampCircle();
    if (!(distance < kInteractionRange)) return stopInteractions();
    tickInteractions();
    guards_->tick();
    rotateCookScenario();
    lawNearCamp();
    if (!(distance < kCampRadius)) return;
    enterCamp();
    startScheduledRaid();
}

void CampManager::tickInteractions() {
    for (const auto& interaction : interactions_)
        interaction->tick();
    interactionsTicked_ = true;
}

void CampManager::stopInteractions() {
    if (!interactionsTicked_) return;
    for (const auto& interaction : interactions_)
        interaction->stop();
    interactionsTicked_ = false;
}

// The effect applies once per incident: again only after a frame without the law.
void CampManager::lawNearCamp() {
    if (!IsLawIncidentActive(PlayerIndex())) {
        setValue(kLawIncidentActive, 0);
        return;
    }
    if (getValue(kLawIncidentActive) != 0) return;
    setValue(kLawIncidentActive, 1);
    tutorials_.trigger("law_near_camp", false);
    lawAwareness_.add(setting("stats.law_awareness.law_near_camp_effect", 0.5f));
}

void CampManager::leaveCampCircle() {
    if (getValue(kPlayerInCamp) == 0 && getValue(kRaidShouldTrigger) == 0) return;
    setValue(kPlayerInCamp, 0);
    setValue(kRaidShouldTrigger, 0);
    raidTimer_.reset();
}

// The manager hears its own event on a later frame and may schedule a raid then.
void CampManager::enterCamp() {
    if (getValue(kPlayerInCamp) != 0) return;
    setValue(kPlayerInCamp, 1);
    events::SendCampEvent({static_cast<int32_t>(HashString(events::kPlayerEnterCamp))});
}

void CampManager::startScheduledRaid() {
    if (getValue(kRaidShouldTrigger) == 0) return;
    if (raidTimer_.elapsedSeconds() < kRaidAfterSeconds) return;
    if (missions_.startMission(MissionType::CampRaid, campSet_.location()->missionId)) {
        Log("CampManager: camp raid started");
        setValue(kRaidShouldTrigger, 0);
        return;
    }
    Log("CampManager: could not start camp raid, reseting timer");
    raidTimer_.reset();
}

void CampManager::buildWhenNear() {
    const Vector3& at = campSet_.location()->position;
    if (!(Distance(at, PlayerPed()) < kBuildRange)) return;
    if (buildFailed_ && ElapsedSince(buildFailedAt_) < kBuildRetryMs) return;
    clearLeftovers();
    RequestNavmeshRegion(at.x, at.y, kNavmeshRadius);
    ScriptWait(kBeforeBuildMs);
    buildCamp();
}

// The game may drop the camp's prop group on its own; the cook, crate, post, blips and
// guards are still ours and go before the camp is built again.
void CampManager::clearLeftovers() {
    if (!campSet_.holdsProps() && guards_->count() == 0) return;
    Log("CampManager: the camp set is gone, removing what is left of it");
    if (const Ped cook = campSet_.cook()) timers_.remove(static_cast<uint32_t>(cook));
    campSet_.remove();
    guards_->clear();
}

void CampManager::createCamp() {
    if (campSet_.isBuilt()) return;
    buildCamp();
}

void CampManager::buildCamp() {
    const CampLocation* location = campSet_.location();
    if (!location) {
        Log("CampManager: cannot create camp: camp location is not set.");
        return;
    }
    if (!campSet_.build(HashString("pg_re_moonshinecampgroup02x"))) {
        Log("CampManager: the camp set could not be built, trying again in 30 s");
        buildFailed_ = true;
        buildFailedAt_ = GameTimerMs();
        return;
    }
    buildFailed_ = false;
    campSet_.spawnCook(true);
    guards_->create(kGuardCount, 0);
    const Vector3& at = location->position;
    events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSet)), location->id,
                           static_cast<int32_t>(at.x), static_cast<int32_t>(at.y),
                           static_cast<int32_t>(at.z)});
    influence_.notify();
    lawAwareness_.notify();
    if (campSet_.herbsPending) showStillBlip();
    Log("CampManager: camp set created");
}

void CampManager::setLocation(const CampLocation* location) {
    if (!location) {
        Log("CampManager: cannot set location: no such place");
        return;
    }
    const CampLocation* current = campSet_.location();
    if (current && current->id == location->id && campSet_.isBuilt()) {
        Log("CampManager: cannot set location - provided the same location: " +
            std::to_string(location->id));
        return;
    }
    stopInteractions();
    // Also what is left of a camp whose prop group the game dropped.
    if (campSet_.holdsProps()) {
        Log("CampManager: removing existing camp");
        if (const Ped cook = campSet_.cook()) timers_.remove(static_cast<uint32_t>(cook));
        campSet_.remove();
        guards_->clear();
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampDespawned))});
    }
    Log("CampManager: setting new location: " + std::to_string(location->id) +
        ", coords: " + VectorText(location->position));
    campSet_.setLocation(location);
    // A visit or a raid of the old place does not carry over to the new one.
    setValue(kPlayerInCamp, 0);
    setValue(kRaidShouldTrigger, 0);
    raidTimer_.reset();
    buildFailed_ = false;
    DictDataFile& save = *data_.savegameFile();
    save.setInt("operation.location", location->id);
    save.save(false);
}

} // namespace corvale
