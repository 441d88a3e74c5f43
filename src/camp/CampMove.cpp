#include "camp/CampMove.h"

#include "camp/CampBuilder.h"
#include "camp/CampInteractions.h"
#include "camp/CampLedgerInteractions.h"
#include "camp/CampStatistics.h"
#include "camp/SleepTransition.h"
#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Developer.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Ground.h"
#include "core/natives/ItemInteractions.h"
#include "core/natives/Money.h"
#include "core/natives/Navmesh.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/text/TextFormat.h"
#include "core/timers/Elapsed.h"
#include "missions/MissionsManager.h"
#include "site/CampFee.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "site/CampLocationSelector.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <string>

namespace corvale {

namespace {
constexpr int32_t kSleepHours = 8;
constexpr int32_t kAfterSetMs = 1500;
constexpr int32_t kBeforeBuildMs = 1000;
constexpr int32_t kBeforeWakingMs = 4000;
constexpr int32_t kLandingRetryMs = 10;
constexpr float kNavmeshRadius = 50.0f;
constexpr int32_t kCashFeedMs = 1000;
constexpr int32_t kToastMs = 5000;
constexpr int32_t kSaddle = -1;
} // namespace

void CampMove::changeLocation(int32_t id, bool free, bool transition) {
    const CampLocation* location = FindCampLocation(id);
    if (!location) {
        Log("CampManager: CORVALE_CAMP_LOCATION_CHANGED failed - location does not exist: " +
            std::to_string(id));
        return;
    }
    // Another mod may name the place the camp stands at: nothing would move, so nothing is
    // paid, slept or reset.
    const CampLocation* current = kit_.campSet.location();
    if (current && current->id == location->id) {
        Log("CampManager: CORVALE_CAMP_LOCATION_CHANGED refused - the camp is already at " +
            std::to_string(id));
        return;
    }
    kit_.selector.close();
    if (!chargeFee(free)) return refuseMove();
    // A raid still looking for a spot at the old camp could never come any more.
    kit_.missions.abortUnengaged(MissionType::CampRaid, "the camp moved");
    location_ = location;
    if (!transition) {
        kit_.builder.setLocation(location);
        return finish();
    }
    // The new camp is built while the screen is dark.
    kit_.interactions.stop();
    steps_.then(Step::MapPutAway, kStepNow);
    advance();
}

bool CampMove::advance() {
    // A step that throws ends the move rather than throwing again every frame.
    return steps_.advance([this](Step step, bool first) {
        if (first) {
            stepStart_ = GameTimerMs();
            logged_ = false;
        }
        take(step, first);
    });
}

void CampMove::take(Step step, bool first) {
    switch (step) {
    case Step::None:
        return;
    case Step::MapPutAway:
        return waitForMapPutAway();
    case Step::Darken:
        SleepDarken();
        return steps_.then(Step::SkyRuns, kSleepStepMs);
    case Step::SkyRuns:
        sleepHour_ = SleepSkyRuns();
        return steps_.then(Step::SetLocation, kSleepStepMs);
    case Step::SetLocation:
        SleepClockOn(sleepHour_, kSleepHours);
        kit_.builder.setLocation(location_);
        return steps_.then(Step::Navmesh, kAfterSetMs);
    case Step::Navmesh:
        return waitForNavmesh();
    case Step::Streaming:
        if (first) streaming_.request();
        if (!streaming_.over()) return steps_.again(Step::Streaming, kStepNextFrame);
        return steps_.then(Step::Build, kStepNow);
    case Step::Build:
        kit_.builder.createCamp();
        return steps_.then(Step::Landing, kStepNow);
    case Step::Landing:
        return findLanding(first);
    case Step::Dawn:
        SleepDawn();
        return steps_.then(Step::Wake, kSleepStepMs);
    case Step::Wake:
        SleepWake();
        return finish();
    }
}

void CampMove::finish() {
    kit_.stats.startOver();
    announceMove(*location_);
    location_ = nullptr;
}

bool CampMove::chargeFee(bool free) {
    if (free) return true;
    const int32_t dollars = kit_.debug.on() ? 1 : kit_.fee.dollars();
    if (dollars == 0) return true;
    const int32_t cents = dollars * 100;
    if (PlayerCashCents() < cents || !TakeCash(cents)) return false;
    kit_.notifications.showCashChange(-cents, kCashFeedMs);
    return true;
}

void CampMove::refuseMove() {
    Log("CampManager: cannot move the camp, the player cannot pay the fee of " +
        std::to_string(kit_.fee.dollars()) + " dollars");
    kit_.interactions.ledger().explainInsufficientFunds();
}

void CampMove::waitForMapPutAway() {
    if (!IsPedRunningItemInteraction(PlayerPed())) return steps_.then(Step::Darken, kStepNow);
    if (ElapsedSince(stepStart_) >= kMapPutAwayLimitMs) {
        Log("CampManager: gave up waiting for the map to be put away");
        return steps_.then(Step::Darken, kStepNow);
    }
    steps_.again(Step::MapPutAway, kStepNextFrame);
}

void CampMove::waitForNavmesh() {
    const Vector3& at = location_->position;
    const Vector3 corner{at.x + 1.0f, at.y + 1.0f, at.z + 1.0f};
    if (IsNavmeshLoadedInArea(at, corner)) return steps_.then(Step::Streaming, kBeforeBuildMs);
    if (!logged_) Log("loading nav mesh around new camp");
    logged_ = true;
    if (ElapsedSince(stepStart_) >= kNavmeshLimitMs) {
        Log("CampManager: gave up waiting for the navigation mesh");
        return steps_.then(Step::Streaming, kBeforeBuildMs);
    }
    RequestNavmeshRegion(at.x, at.y, kNavmeshRadius);
    steps_.again(Step::Navmesh, kStepNextFrame);
}

// One try a frame.
void CampMove::findLanding(bool first) {
    const Vector3& at = location_->position;
    if (first) tries_ = 0;
    Vector3 landing = at;
    if (tries_ >= kLandingTries) {
        Log("CampManager: no safe landing point found, landing at the camp");
    } else {
        ++tries_;
        const float distance = static_cast<float>(RandomInt(5, 10));
        if (!SafeCoordForPed(RandomPointAround(at, distance, false), false, landing, 0)) {
            if (!logged_) {
                if (kit_.debug.on()) kit_.notifications.showMessage("finding teleport coords");
                Log("finding teleport coords");
            }
            logged_ = true;
            return steps_.again(Step::Landing, kLandingRetryMs);
        }
    }
    Log("teleporting player to coords: " + VectorText(landing));
    bringPlayer(landing);
    steps_.then(Step::Dawn, kBeforeWakingMs);
}

void CampMove::bringPlayer(const Vector3& point) {
    const Ped player = PlayerPed();
    const Ped horse = SaddleHorse(PlayerIndex());
    if (horse == 0 || !EntityExists(horse) || IsEntityDead(horse)) {
        SetEntityCoords(player, point, true, false, true, true);
        return;
    }
    SetPedOntoMount(player, horse, kSaddle, true);
    SetEntityCoords(SaddleHorse(PlayerIndex()), point, true, false, true, true);
}

void CampMove::announceMove(const CampLocation& location) {
    char body[200];
    FormatText(body, LangText(kit_.data, "toasts.operation_location_changed"),
               CampLocationName(kit_.data, location));
    kit_.notifications.queueToast(LangText(kit_.data, "toasts.generic_title"), body, "blips_mp",
                                  "blip_business_moonshine", kToastMs);
}

} // namespace corvale
