// Moving the camp: the fee, a night's sleep, the new camp built during it, and the player
// brought there on his horse, or on foot without one.
#include "camp/CampManager.h"

#include "camp/CampLedgerInteractions.h"
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

void CampManager::changeLocation(int32_t id, bool free, bool transition) {
    const CampLocation* location = FindCampLocation(id);
    if (!location) {
        Log("CampManager: CORVALE_CAMP_LOCATION_CHANGED failed - location does not exist: " +
            std::to_string(id));
        return;
    }
    // Another mod may name the place the camp stands at: nothing would move, so nothing is
    // paid, slept or reset.
    const CampLocation* current = campSet_.location();
    if (current && current->id == location->id) {
        Log("CampManager: CORVALE_CAMP_LOCATION_CHANGED refused - the camp is already at " +
            std::to_string(id));
        return;
    }
    selector_.close();
    if (!chargeFee(free)) return refuseMove();
    // A raid still looking for a spot at the old camp could never come any more.
    missions_.abortUnengaged(MissionType::CampRaid, "the camp moved");
    if (!transition) {
        setLocation(location);
    } else {
        stopInteractions();
        waitForMapPutAway();
        SleepTransitionOut(kSleepHours);
        setLocation(location);
        ScriptWait(kAfterSetMs);
        waitForNavmesh(location->position);
        ScriptWait(kBeforeBuildMs);
        createCamp();
        const Vector3 landing = findLanding(location->position);
        Log("teleporting player to coords: " + VectorText(landing));
        bringPlayer(landing);
        ScriptWait(kBeforeWakingMs);
        SleepTransitionIn();
    }
    lastDegradation_ = GameTimerMs();
    influence_.set(0.0f);
    lawAwareness_.set(0.25f);
    announceMove(*location);
}

// The cash is asked now: the ledger only checked it before the map opened.
bool CampManager::chargeFee(bool free) {
    if (free) return true;
    const int32_t dollars = debug_.on() ? 1 : fee_.dollars();
    if (dollars == 0) return true;
    const int32_t cents = dollars * 100;
    if (PlayerCashCents() < cents || !TakeCash(cents)) return false;
    notifications_.showCashChange(-cents, kCashFeedMs);
    return true;
}

void CampManager::refuseMove() {
    Log("CampManager: cannot move the camp, the player cannot pay the fee of " +
        std::to_string(fee_.dollars()) + " dollars");
    ledger_->explainInsufficientFunds();
}

void CampManager::waitForMapPutAway() {
    const int32_t start = GameTimerMs();
    while (IsPedRunningItemInteraction(PlayerPed())) {
        if (ElapsedSince(start) >= kMapPutAwayLimitMs) {
            Log("CampManager: gave up waiting for the map to be put away");
            return;
        }
        ScriptWait(0);
    }
}

void CampManager::waitForNavmesh(const Vector3& at) {
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

Vector3 CampManager::findLanding(const Vector3& at) {
    bool logged = false;
    for (int tries = 0; tries < kLandingTries; ++tries) {
        const float distance = static_cast<float>(RandomInt(5, 10));
        Vector3 landing;
        if (SafeCoordForPed(RandomPointAround(at, distance, false), false, landing, 0))
            return landing;
        if (!logged) {
            if (debug_.on()) notifications_.showMessage("finding teleport coords");
            Log("finding teleport coords");
        }
        logged = true;
        ScriptWait(kLandingRetryMs);
    }
    Log("CampManager: no safe landing point found, landing at the camp");
    return at;
}

// On a living horse the player rides along; without one he is moved himself.
void CampManager::bringPlayer(const Vector3& point) {
    const Ped player = PlayerPed();
    const Ped horse = SaddleHorse(PlayerIndex());
    if (horse == 0 || !EntityExists(horse) || IsEntityDead(horse)) {
        SetEntityCoords(player, point, true, false, true, true);
        return;
    }
    SetPedOntoMount(player, horse, kSaddle, true);
    SetEntityCoords(SaddleHorse(PlayerIndex()), point, true, false, true, true);
}

void CampManager::announceMove(const CampLocation& location) {
    char body[200];
    FormatText(body, LangText(data_, "toasts.operation_location_changed"),
               CampLocationName(data_, location));
    notifications_.queueToast(LangText(data_, "toasts.generic_title"), body, "blips_mp",
                              "blip_business_moonshine", kToastMs);
}

} // namespace corvale
