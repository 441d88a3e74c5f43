#include "camp/CampVisit.h"

#include "camp/CampStatistics.h"
#include "camp/CampTuning.h"
#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/timers/NamedTimers.h"
#include "missions/MissionsManager.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "ui/Tutorials.h"

namespace corvale {

namespace {
constexpr int32_t kRaidAfterSeconds = 20;
} // namespace

CampVisit::CampVisit(const CampInterface& campSet, MissionsManager& missions, CampStatistics& stats,
                     const CampTuning& tuning, Tutorials& tutorials, NamedTimers& timers)
    : campSet_(campSet), missions_(missions), stats_(stats), tuning_(tuning), tutorials_(tutorials),
      raidTimer_(timers.timerFor("camp_raid_trigger_timer")) {}

// The camp hears its own event on a later frame and may schedule a raid then.
void CampVisit::inCircle() {
    if (!playerInCamp_) {
        playerInCamp_ = true;
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kPlayerEnterCamp))});
    }
    startScheduledRaid();
}

void CampVisit::outOfCircle() {
    if (!playerInCamp_ && !raidScheduled_) return;
    forget();
}

void CampVisit::forget() {
    playerInCamp_ = false;
    raidScheduled_ = false;
    raidTimer_.reset();
}

// Again only after a frame without the law.
void CampVisit::watchForLaw() {
    if (!IsLawIncidentActive(PlayerIndex())) {
        lawIncident_ = false;
        return;
    }
    if (lawIncident_) return;
    lawIncident_ = true;
    tutorials_.trigger("law_near_camp", false);
    stats_.lawAwareness().add(tuning_.value("stats.law_awareness.law_near_camp_effect", 0.5f));
}

// The raid itself starts after 20 s in camp.
void CampVisit::scheduleRaid() {
    const CampLocation* location = campSet_.location();
    if (!location) return;
    const float influence = stats_.influence().get();
    if (influence < tuning_.value("camp_raid.min_influence", -999.0f)) return;
    if (!(RandomFloat01() <= tuning_.value("camp_raid.influence_factor", -999.0f) * influence))
        return;
    if (!missions_.canStartMission(MissionType::CampRaid, location->missionId)) return;
    Log("CampManager: camp raid scheduled.");
    raidScheduled_ = true;
    raidTimer_.reset();
}

void CampVisit::startScheduledRaid() {
    if (!raidScheduled_) return;
    if (raidTimer_.elapsedSeconds() < kRaidAfterSeconds) return;
    if (missions_.startMission(MissionType::CampRaid, campSet_.location()->missionId)) {
        Log("CampManager: camp raid started");
        raidScheduled_ = false;
        return;
    }
    Log("CampManager: could not start camp raid, reseting timer");
    raidTimer_.reset();
}

} // namespace corvale
