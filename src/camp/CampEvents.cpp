#include "camp/CampEvents.h"

#include "camp/CampStatistics.h"
#include "camp/CampTuning.h"
#include "camp/CampVisit.h"
#include "camp/PendingHerbs.h"
#include "core/data/GameData.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/log/LogLimit.h"
#include "missions/MissionsManager.h"
#include "site/CampInterface.h"
#include "site/CampLocationSelector.h"

#include <cstdio>
#include <exception>

namespace corvale {

namespace {

constexpr const char* kReceived = "CampManager: received event: ";
// Lines of one frame's events; another script may queue hundreds.
constexpr int32_t kEventLinesPerFrame = 20;

void LogReceived(const char* name) {
    Log(kReceived, name);
}

// A line put together on the stack: the frames a raid begins and ends in allocate nothing.
template <class... Words> void LogWords(const char* format, Words... words) {
    char line[160];
    std::snprintf(line, sizeof line, format, words...);
    Log(line);
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

CampEvents::Requests CampEvents::read() {
    Requests requests;
    const LogLimit limit("CampManager: received events", kEventLinesPerFrame);
    events::ForEachKeptEvent(cursor_, [&](const events::ScriptEvent& e) { onEvent(e, requests); });
    return requests;
}

void CampEvents::onEvent(const events::ScriptEvent& e, Requests& requests) {
    if (e.is(events::kMenuOpen)) {
        LogReceived(events::kMenuOpen);
        kit_.campSet.menuOpen = true;
    } else if (e.is(events::kMenuClosed)) {
        LogReceived(events::kMenuClosed);
        kit_.campSet.menuOpen = false;
    } else if (e.is(events::kMenuFlavourSet)) {
        LogReceived(events::kMenuFlavourSet);
        kit_.herbs.choose(e);
    } else if (e.is(events::kCampLocationSelectorOpen)) {
        LogReceived(events::kCampLocationSelectorOpen);
        requests.openSelector = true;
    } else if (e.is(events::kCampLocationSelectorClose)) {
        LogReceived(events::kCampLocationSelectorClose);
        requests.openSelector = false;
        kit_.selector.close();
    } else if (e.is(events::kCampLocationChanged)) {
        LogWords("%s%s: %d", kReceived, events::kCampLocationChanged, e.word(1));
        if (requests.move) {
            LogWords("CampManager: a location change is already under way, dropped the change "
                     "to %d",
                     e.word(1));
            return;
        }
        requests.move = true;
        requests.moveId = e.word(1);
        requests.moveFree = e.word(2) != 0;
    } else if (e.is(events::kPutHerbsInStill)) {
        LogReceived(events::kPutHerbsInStill);
        kit_.herbs.putIn();
    } else if (e.is(events::kModifyLawAwareness)) {
        LogWords("%s%s, amount: %d", kReceived, events::kModifyLawAwareness, e.word(1));
        kit_.stats.lawAwareness().add(static_cast<float>(e.word(1)) * 0.01f);
    } else if (e.is(events::kLawAwarenessSet) || e.is(events::kInfluenceSet)) {
        onStatEvent(e);
    } else if (e.is(events::kModifyInfluence)) {
        LogWords("%s%s, amount: %d", kReceived, events::kModifyInfluence, e.word(1));
        kit_.stats.influence().add(static_cast<float>(e.word(1)) * 0.01f);
    } else if (e.is(events::kMissionFinished)) {
        LogWords("%s%s, mission type: %d status: %d", kReceived, events::kMissionFinished,
                 e.word(1), e.word(2));
        onMissionFinished(e.word(1), e.word(2));
    } else if (e.is(events::kDeliveryFinished)) {
        LogReceived(events::kDeliveryFinished);
        onDelivery(true);
    } else if (e.is(events::kDeliveryNotFinished)) {
        LogReceived(events::kDeliveryNotFinished);
        onDelivery(false);
    } else if (e.is(events::kPlayerEnterCamp)) {
        Log("CampManager: ", events::kPlayerEnterCamp);
        kit_.visit.scheduleRaid();
    } else if (DebugLogs(kit_.data)) {
        onLogOnlyEvent(e);
    }
}

void CampEvents::onLogOnlyEvent(const events::ScriptEvent& e) {
    if (e.is(events::kCampLocationSet))
        LogReceived(events::kCampLocationSet);
    else if (e.is(events::kCampDespawned))
        LogReceived(events::kCampDespawned);
    else if (e.is(events::kMissionAccepted))
        LogWords("CampManager: %s. type: %d", events::kMissionAccepted, e.word(2));
}

// Saved as a fraction, written by the autosave.
void CampEvents::onStatEvent(const events::ScriptEvent& e) {
    const bool influence = e.is(events::kInfluenceSet);
    const char* name = influence ? events::kInfluenceSet : events::kLawAwarenessSet;
    LogWords("%s%s, updated value: %f", kReceived, name, static_cast<double>(e.word(1) * 0.01f));
    kit_.data.savegameFile()->setFloat(influence ? "operation.stats.influence"
                                                 : "operation.stats.law_awareness",
                                       static_cast<float>(ClampHundredths(e.word(1))) * 0.01f);
}

// Each mission type registered what its end does; other statuses change nothing.
void CampEvents::onMissionFinished(int32_t type, int32_t status) {
    const bool passed = status == Number(MissionStatus::Passed);
    const bool failed = status == Number(MissionStatus::Failed);
    const MissionOutcome* outcome = kit_.missions.outcome(type);
    if ((!passed && !failed) || !outcome) return;
    kit_.stats.apply(*outcome, passed);
}

// The herbs chosen for the batch go with it, sold or lost.
void CampEvents::onDelivery(bool finished) {
    kit_.herbs.drop();
    CampStat& influence = kit_.stats.influence();
    CampStat& lawAwareness = kit_.stats.lawAwareness();
    if (finished) {
        influence.add(kit_.tuning.value("stats.influence.mission_effects.delivery.success", 0.2f));
        lawAwareness.add(
            kit_.tuning.value("stats.law_awareness.mission_effects.delivery.success", 0.2f));
        return;
    }
    influence.add(kit_.tuning.value("stats.influence.mission_effects.delivery.fail", -0.1f));
    lawAwareness.add(kit_.tuning.value("stats.law_awareness.mission_effects.delivery.fail", 0.0f));
}

} // namespace corvale
