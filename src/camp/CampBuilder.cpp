#include "camp/CampBuilder.h"

#include "camp/CampGuards.h"
#include "camp/CampInteractions.h"
#include "camp/CampStatistics.h"
#include "camp/CampVisit.h"
#include "camp/PendingHerbs.h"
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
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "site/CampSetModels.h"

#include <string>

namespace corvale {

namespace {
constexpr float kBuildRange = 300.0f;
constexpr float kNavmeshRadius = 50.0f;
constexpr uint32_t kBeforeBuildMs = 100;
constexpr int32_t kGuardCount = 3;
} // namespace

CampBuilder::CampBuilder(CampInterface& campSet, CampGuards& guards, CampInteractions& interactions,
                         CampVisit& visit, CampStatistics& stats, PendingHerbs& herbs,
                         GameData& data, NamedTimers& timers)
    : campSet_(campSet), guards_(guards), interactions_(interactions), visit_(visit), stats_(stats),
      herbs_(herbs), data_(data), timers_(timers) {}

void CampBuilder::buildWhenNear() {
    const Vector3& at = campSet_.location()->position;
    if (!(Distance(at, PlayerPed()) < kBuildRange)) {
        streamingAsked_ = false;
        return;
    }
    if (buildFailed_ && ElapsedSince(buildFailedAt_) < kRetryMs) return;
    // A model that never loads holds no frame: the build after the waits answers at once.
    if (!streamingAsked_) {
        RequestNavmeshRegion(at.x, at.y, kNavmeshRadius);
        streaming_.request();
        streamingAsked_ = true;
    }
    if (!streaming_.over()) return;
    streamingAsked_ = false;
    clearLeftovers();
    ScriptWait(kBeforeBuildMs);
    build();
}

// The game may drop the camp's prop group on its own; the cook, crate, post, blips and
// guards are still ours.
void CampBuilder::clearLeftovers() {
    if (!campSet_.holdsProps() && guards_.count() == 0) return;
    Log("CampManager: the camp set is gone, removing what is left of it");
    tearDown();
}

void CampBuilder::tearDown() {
    if (const Ped cook = campSet_.cook()) timers_.remove(static_cast<uint32_t>(cook));
    campSet_.remove();
    guards_.clear();
}

void CampBuilder::createCamp() {
    if (campSet_.isBuilt()) return;
    build();
}

void CampBuilder::build() {
    const CampLocation* location = campSet_.location();
    if (!location) {
        Log("CampManager: cannot create camp: camp location is not set.");
        return;
    }
    if (!campSet_.build(HashString(camp_set::kGroup))) {
        Log("CampManager: the camp set could not be built, trying again in 30 s");
        buildFailed_ = true;
        buildFailedAt_ = GameTimerMs();
        return;
    }
    buildFailed_ = false;
    campSet_.spawnCook(true);
    guards_.create(kGuardCount, 0);
    const Vector3& at = location->position;
    events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSet)), location->id,
                           static_cast<int32_t>(at.x), static_cast<int32_t>(at.y),
                           static_cast<int32_t>(at.z)});
    stats_.notify();
    if (campSet_.herbsPending) herbs_.showStillBlip();
    Log("CampManager: camp set created");
}

void CampBuilder::setLocation(const CampLocation* location) {
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
    interactions_.stop();
    // Also what is left of a camp whose prop group the game dropped.
    if (campSet_.holdsProps()) {
        Log("CampManager: removing existing camp");
        tearDown();
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampDespawned))});
    }
    Log("CampManager: setting new location: " + std::to_string(location->id) +
        ", coords: " + VectorText(location->position));
    campSet_.setLocation(location);
    visit_.forget();
    buildFailed_ = false;
    DictDataFile& save = *data_.savegameFile();
    save.setInt("operation.location", location->id);
    save.save(false);
}

} // namespace corvale
