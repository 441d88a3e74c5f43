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
#include "core/natives/Script.h"
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
constexpr uint32_t kAfterSetMs = 1500;
constexpr uint32_t kBeforeBuildMs = 1000;
constexpr uint32_t kBeforeWakingMs = 4000;
constexpr uint32_t kLandingRetryMs = 10;
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
    if (transition)
        sleepOver(*location);
    else
        kit_.builder.setLocation(location);
    kit_.stats.startOver();
    announceMove(*location);
}

// The new camp is built while the screen is dark.
void CampMove::sleepOver(const CampLocation& location) {
    kit_.interactions.stop();
    waitForMapPutAway();
    SleepTransitionOut(kSleepHours);
    kit_.builder.setLocation(&location);
    ScriptWait(kAfterSetMs);
    waitForNavmesh(location.position);
    ScriptWait(kBeforeBuildMs);
    kit_.builder.createCamp();
    const Vector3 landing = findLanding(location.position);
    Log("teleporting player to coords: " + VectorText(landing));
    bringPlayer(landing);
    ScriptWait(kBeforeWakingMs);
    SleepTransitionIn();
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
    const int32_t start = GameTimerMs();
    while (IsPedRunningItemInteraction(PlayerPed())) {
        if (ElapsedSince(start) >= kMapPutAwayLimitMs) {
            Log("CampManager: gave up waiting for the map to be put away");
            return;
        }
        ScriptWait(0);
    }
}

void CampMove::waitForNavmesh(const Vector3& at) {
    const Vector3 corner{at.x + 1.0f, at.y + 1.0f, at.z + 1.0f};
    const int32_t start = GameTimerMs();
    bool logged = false;
    while (!IsNavmeshLoadedInArea(at, corner)) {
        if (!logged) Log("loading nav mesh around new camp");
        logged = true;
        if (ElapsedSince(start) >= kNavmeshLimitMs) {
            Log("CampManager: gave up waiting for the navigation mesh");
            return;
        }
        RequestNavmeshRegion(at.x, at.y, kNavmeshRadius);
        ScriptWait(0);
    }
}

Vector3 CampMove::findLanding(const Vector3& at) {
    bool logged = false;
    for (int tries = 0; tries < kLandingTries; ++tries) {
        const float distance = static_cast<float>(RandomInt(5, 10));
        Vector3 landing;
        if (SafeCoordForPed(RandomPointAround(at, distance, false), false, landing, 0))
            return landing;
        if (!logged) {
            if (kit_.debug.on()) kit_.notifications.showMessage("finding teleport coords");
            Log("finding teleport coords");
        }
        logged = true;
        ScriptWait(kLandingRetryMs);
    }
    Log("CampManager: no safe landing point found, landing at the camp");
    return at;
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
