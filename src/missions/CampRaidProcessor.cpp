#include "missions/CampRaidProcessor.h"

#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/Decorations.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Models.h"
#include "core/natives/Navmesh.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "site/Blips.h"
#include "ui/Tutorials.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace corvale {

namespace {
constexpr const char* kRaiderModel = "a_m_m_htlroughtravellers_01";
constexpr int32_t kFewestRaiders = 9;
constexpr int32_t kMostRaidersBound = 13; // RandomInt's upper bound is never drawn

constexpr float kPlayerNearCamp = 30.0f;
constexpr float kPlayerFledCamp = 250.0f;
constexpr int32_t kHalvedRounds = 2; // rounds 1 and 2 bring half of who is left
constexpr int32_t kNearestRoundDistance = 40;
constexpr int32_t kRoundSeconds = 30; // a round older than this calls the next one in
constexpr size_t kRoundNearlyDown = 1;

// A spawn point whose mesh never loads (water, the map's edge) is tried anyway after this.
constexpr int32_t kNavmeshWaitMs = 5000;
constexpr float kNavmeshRadius = 30.0f;

constexpr int32_t kSafeCoordFlags = 16;
constexpr int32_t kRaiderSpreadMin = 2;
constexpr int32_t kRaiderSpreadBound = 7; // drawn 2 to 6 m from the round's centre
constexpr int32_t kRaiderFlagA = 279;
constexpr int32_t kRaiderFlagB = 6;
constexpr uint32_t kSettleMs = 1000; // the round stands up before it is sent in
constexpr int32_t kCombatThreatResponse = 16;
} // namespace

CampRaidProcessor::CampRaidProcessor(const RaidSetup& setup, const MissionKit& kit,
                                     Tutorials& tutorials)
    : BaseMissionProcessor(MissionType::CampRaid, MissionStatus::Waiting, setup.camp, kit),
      setup_(setup), remaining_(setup.raiders), tutorials_(tutorials) {
    // A round never grows the list while the fight runs.
    raiders_.reserve(static_cast<size_t>(std::max(setup.raiders, 0)));
}

namespace {
alignas(CampRaidProcessor) unsigned char gRaidRoom[sizeof(CampRaidProcessor)];
bool gRaidRoomTaken = false;
} // namespace

void* CampRaidProcessor::operator new(std::size_t size) {
    if (gRaidRoomTaken || size > sizeof gRaidRoom) return ::operator new(size);
    gRaidRoomTaken = true;
    return gRaidRoom;
}

void CampRaidProcessor::operator delete(void* raid) {
    if (raid != gRaidRoom) return ::operator delete(raid);
    gRaidRoomTaken = false;
}

void CampRaidProcessor::update() {
    switch (state_) {
    case State::Waiting:
        return waitForPlayer();
    case State::Spawning:
        return spawnNextRound();
    case State::Fighting:
        return fight();
    case State::Defended:
        return defended();
    case State::Finished:
        return;
    }
}

void CampRaidProcessor::waitForPlayer() {
    if (Distance(setup_.camp, PlayerPed()) > kPlayerNearCamp) return;
    state_ = State::Spawning;
    round_ = 0;
    sinceBegun_.reset();
    tutorials_.trigger("camp_raids", true);
    setStatus(MissionStatus::Running);
}

// One frame of bringing a round in: draws it once, then polls the navigation mesh there
// until it loads or its time is up, so the camp keeps running while the game streams it.
void CampRaidProcessor::spawnNextRound() {
    // No safe spot or no raider model for a minute: the raid will never come.
    if (!hasEngaged() && sinceBegun_.elapsedMs() >= kNobodyCameMs) {
        if (!gaveUp_) Log("CampRaidProcessor: no attacker could be spawned in 60 s, giving up");
        gaveUp_ = true;
        return;
    }
    if (playerFledCamp()) {
        // Raiders already came: running off now is running from the fight.
        if (remaining_ < setup_.raiders) {
            Log("CampRaidProcessor: player went too far");
            setStatus(MissionStatus::Failed);
            state_ = State::Finished;
            return;
        }
        // Before the first round the raid waits; the point is drawn afresh on his return.
        if (roundDrawn_) {
            roundDrawn_ = false;
            raiderModel_.reset();
            --round_;
        }
        return;
    }
    if (!roundDrawn_) drawRound();
    if (!navmeshReady()) return;
    // Waited for over frames: the round's spawns answer at once, loaded or given up.
    if (!raiderModel_.over(setup_.raiderModel)) return;
    roundDrawn_ = false;
    const int32_t spawned = spawnRound(roundPoint_, roundCount_);
    if (spawned == 0) {
        // Tried again every frame with new draws: said once, not every frame.
        if (!retrying_) Log("CampRaidProcessor: attackers were not spawned for this round");
        retrying_ = true;
        --round_;
        return;
    }
    retrying_ = false;
    if (spawned < roundCount_) {
        char line[64];
        std::snprintf(line, sizeof line, "CampRaidProcessor: spawned %d of %d", spawned,
                      remaining_);
        Log(line);
    }
    remaining_ -= spawned;
    navmeshLogged_ = false;
    roundTimer_.reset();
    state_ = State::Fighting;
}

void CampRaidProcessor::drawRound() {
    ++round_;
    roundCount_ = round_ <= kHalvedRounds ? (remaining_ + 1) / 2 : remaining_;
    int32_t distance = RandomInt(60, 70) / round_;
    distance =
        distance < kNearestRoundDistance ? kNearestRoundDistance : RandomInt(60, 70) / round_;
    const Vector3 centre = round_ == 1 ? setup_.camp : PlayerPosition();
    roundPoint_ = RandomPointAround(centre, static_cast<float>(distance), false);
    roundDrawn_ = true;
    navmeshWait_.reset();
}

bool CampRaidProcessor::playerFledCamp() const {
    return Distance(PlayerPosition(), setup_.camp) > kPlayerFledCamp;
}

bool CampRaidProcessor::navmeshReady() {
    const Vector3& p = roundPoint_;
    if (IsNavmeshLoadedInArea(p, Vector3(p.x + 1.0f, p.y + 1.0f, p.z + 1.0f))) return true;
    if (!navmeshLogged_) {
        char line[96];
        std::snprintf(line, sizeof line,
                      "CampRaidProcessor: loading nav mesh around area: %g, %g, %g",
                      static_cast<double>(p.x), static_cast<double>(p.y), static_cast<double>(p.z));
        Log(line);
        navmeshLogged_ = true;
    }
    // The safe-spot test of the spawn decides whether raiders can stand there after all.
    if (navmeshWait_.elapsedMs() >= kNavmeshWaitMs) {
        if (!retrying_)
            Log("CampRaidProcessor: nav mesh did not load in time, trying the spawn anyway");
        return true;
    }
    RequestNavmeshRegion(p.x, p.y, kNavmeshRadius);
    return false;
}

void CampRaidProcessor::fight() {
    // Checked first, so no round is ever brought around a player who has left.
    if (playerFledCamp()) {
        Log("CampRaidProcessor: player went too far");
        setStatus(MissionStatus::Failed);
        state_ = State::Finished;
        return;
    }
    dropDownRaiders();
    if (remaining_ > 0 &&
        (roundTimer_.elapsedSeconds() > kRoundSeconds || raiders_.size() <= kRoundNearlyDown)) {
        state_ = State::Spawning;
        return;
    }
    if (raiders_.empty() && remaining_ == 0) state_ = State::Defended;
}

// Dead, gone or running: out of the fight, and off the map.
void CampRaidProcessor::dropDownRaiders() {
    const auto down = [](Raider& raider) {
        if (EntityExists(raider.ped) && !IsEntityDead(raider.ped) && !IsPedFleeing(raider.ped))
            return false;
        RemoveBlip(&raider.blip);
        return true;
    };
    raiders_.erase(std::remove_if(raiders_.begin(), raiders_.end(), down), raiders_.end());
}

void CampRaidProcessor::defended() {
    Log("CampRaidProcessor: no enemies left - defended successfully");
    setStatus(MissionStatus::Passed);
    tutorials_.trigger("camp_raid_defended", true);
    state_ = State::Finished;
}

int32_t CampRaidProcessor::spawnRound(const Vector3& centre, int32_t count) {
    if (!retrying_) {
        // Built on the stack: the spawn frame stays free of the heap.
        char line[96];
        std::snprintf(line, sizeof line,
                      "CampRaidProcessor: spawning enemies: %d, current round: %d", count, round_);
        Log(line);
    }
    Vector3 safe = centre;
    if (!SafeCoordForPed(centre, false, safe, kSafeCoordFlags)) return 0;
    int32_t spawned = 0;
    for (; spawned < count; ++spawned) {
        const float spread = static_cast<float>(RandomInt(kRaiderSpreadMin, kRaiderSpreadBound));
        Vector3 spot = RandomPointAround(safe, spread, true);
        if (!SafeCoordForPed(spot, false, spot, kSafeCoordFlags)) break;
        // A model that never streamed in gives no raider: nothing to register or blip.
        const Ped ped = addEntity(SpawnPed(setup_.raiderModel, spot));
        if (ped == 0) break;
        joinGang(ped);
        SetPedConfigFlag(ped, kRaiderFlagA, true);
        SetPedConfigFlag(ped, kRaiderFlagB, true);
        SetDecorationInt(ped, "honor_override", 0);
        raiders_.push_back(Raider{ped, BlipForEntity(ped, blips::kStyleEnemy, blips::kSpriteNone)});
    }
    // The events of these frames are kept for the camp: the wait costs none of them.
    ScriptWait(kSettleMs);
    for (const Raider& raider : raiders_)
        TaskCombatPed(raider.ped, PlayerPed(), 0, kCombatThreatResponse);
    return spawned;
}

void CampRaidProcessor::joinGang(Ped ped) {
    if (group_ == kNoPedGroup) {
        group_ = CreatePedGroup(0);
        // The first raider leads; with no group to lend he fights alone.
        if (group_ != kNoPedGroup) SetPedAsGroupLeader(ped, group_, true);
        return;
    }
    SetPedAsGroupMember(ped, group_);
}

void CampRaidProcessor::cleanup() {
    Log("CampRaidProcessor: cleanup");
    BaseMissionProcessor::cleanup();
    for (Raider& raider : raiders_)
        RemoveBlip(&raider.blip);
    raiders_.clear();
    if (group_ != kNoPedGroup) {
        RemovePedGroup(group_);
        group_ = kNoPedGroup;
    }
}

RaidSetup DrawRaidSetup(const Vector3& camp) {
    return RaidSetup{camp, RandomInt(kFewestRaiders, kMostRaidersBound), HashString(kRaiderModel)};
}

MissionsManager::Builder CampRaidBuilder(std::function<Vector3()> campPosition,
                                         Tutorials& tutorials) {
    return [campPosition = std::move(campPosition),
            &tutorials](int32_t, const MissionKit& kit) -> std::unique_ptr<BaseMissionProcessor> {
        return std::make_unique<CampRaidProcessor>(DrawRaidSetup(campPosition()), kit, tutorials);
    };
}

MissionOutcome CampRaidOutcome() {
    MissionOutcome outcome;
    outcome.influencePassed = {"stats.influence.mission_effects.camp_raid.success", 0.1f};
    outcome.influenceFailed = {"stats.influence.mission_effects.camp_raid.fail", -0.4f};
    return outcome;
}

} // namespace corvale
