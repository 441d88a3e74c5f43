#include "missions/MissionsManager.h"

#include "core/data/DictDataFile.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/Missions.h"
#include "core/natives/Player.h"
#include "core/natives/Strings.h"
#include "core/timers/GameTimer.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace corvale {

namespace {
constexpr int32_t kKickOffCooldownMs = 300000;
constexpr int32_t kToastMs = 5000;
} // namespace

MissionsManager::MissionsManager(DictDataFile& save, const DictDataFile& lang,
                                 const MissionKit& kit, GameTimer& kickOffCooldown,
                                 SavedCamp::PlaceTest isCampLocation)
    : save_(save), lang_(lang), kit_(kit), camp_(save, std::move(isCampLocation), "MissionsManager: "),
      kickOffCooldown_(kickOffCooldown) {
    kickOffCooldown_.shiftStart(-kKickOffCooldownMs);
}

void MissionsManager::registerType(MissionType type, Builder build, const MissionOutcome& outcome) {
    types_[type] = Registration{std::move(build), outcome};
}

const MissionOutcome* MissionsManager::outcome(int32_t type) const {
    const auto found = types_.find(static_cast<MissionType>(type));
    return found == types_.end() ? nullptr : &found->second.outcome;
}

void MissionsManager::tick() {
    if (!current_) {
        tickKickOff();
        return;
    }
    current_->tick();
    if (current_ && current_->gaveUp()) {
        abortUnengaged(current_->getType(), "it could not begin");
        return;
    }
    if (current_->isActive()) return;
    finishMission();
}

// The cooldown is asked first: while it runs, a frame without a camp reads nothing else.
void MissionsManager::tickKickOff() {
    if (kickOffCooldown_.elapsedMs() < kKickOffCooldownMs) return;
    if (camp_.exists()) return;
    // Clint and the deputy would spawn beside a dead player and the mission fail at once.
    if (IsPlayerDead(PlayerIndex())) return;
    Log("MissionsManager: initiating cook rescue kick off mission");
    kickOffCooldown_.reset();
    startMission(MissionType::CookRescue, 0);
}

void MissionsManager::finishMission() {
    const int32_t type = Number(current_->getType());
    const MissionStatus status = current_->getStatus();
    char line[80];
    std::snprintf(line, sizeof line, "Mission of type %d has terminated with status: %d", type,
                  Number(status));
    Log(line);
    current_->cleanup();
    events::SendCampEvent({static_cast<int32_t>(HashString(events::kMissionFinished)), type,
                           Number(status)});
    if (status == MissionStatus::Passed) {
        save_.setInt("last_completed_mission_type", type);
        if (current_->getType() == MissionType::CookRescue) save_.setInt("mission_flags.cook", 1);
    }
    current_.reset();
}

bool MissionsManager::canStartMission(MissionType, int32_t) const {
    if (current_) return false;
    if (IsLawIncidentActive(PlayerIndex())) return false;
    return CountPedsInCombatWith(PlayerPed(), 0) == 0;
}

bool MissionsManager::startMission(MissionType type, int32_t locationId) {
    if (!canStartMission(type, locationId)) return false;
    const auto registered = types_.find(type);
    if (registered == types_.end()) {
        Log("MissionsManager: cannot start mission: unknown mission type " +
            std::to_string(Number(type)));
        return false;
    }
    std::unique_ptr<BaseMissionProcessor> mission = registered->second.build(locationId, kit_);
    if (!mission) return false;
    current_ = std::move(mission);
    events::SendCampEvent({static_cast<int32_t>(HashString(events::kMissionAccepted)), locationId,
                           Number(type)});
    // Put together on the stack: a raid's first frame allocates nothing.
    char key[48];
    const int length = std::snprintf(key, sizeof key, "toasts.missions.%d.body", Number(type));
    const std::string& body = lang_.getString(std::string_view(key, static_cast<size_t>(length)));
    if (!body.empty())
        kit_.notifications.queueToast(lang_.getString("toasts.generic_title").c_str(), body.c_str(), "blips_mp",
                   "blip_business_moonshine", kToastMs);
    return true;
}

bool MissionsManager::abortUnengaged(MissionType type, const char* why) {
    if (!current_ || current_->getType() != type || current_->hasEngaged()) return false;
    if (!current_->isActive()) return false;
    char head[64];
    std::snprintf(head, sizeof head, "MissionsManager: mission of type %d aborted: ", Number(type));
    Log(head, why ? why : "");
    abortMission();
    return true;
}

void MissionsManager::abortMission() {
    if (!current_) return;
    current_->cleanup();
    current_.reset();
    // The game would otherwise go on believing a mission runs and hold back its encounters.
    SetMissionFlag(false);
}

} // namespace corvale
