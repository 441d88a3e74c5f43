#include "missions/CampInfiltrationProcessor.h"

#include "core/log/Log.h"
#include "core/natives/Decorations.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/VectorMath.h"
#include "missions/StillSabotageObjective.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

#include <string>

namespace corvale {

namespace {
constexpr int32_t kStillObjective = 0;
constexpr float kWakeReach = 45.0f;
constexpr float kDormantReach = 80.0f;
constexpr float kEscapeDistance = 150.0f;
// Clock seconds a guard fights alone before the whole camp joins in.
constexpr int32_t kLoneFightSeconds = 44;
constexpr int32_t kSpreadMin = 3;
constexpr int32_t kSpreadBound = 8; // drawn 3 to 7 m from a prop set
constexpr int32_t kGuardFlag = 6;
constexpr size_t kGuardsOnDuty = 3;
constexpr float kStillRound = 7.0f;
constexpr float kCentreRound = 15.0f;
} // namespace

CampInfiltrationProcessor::CampInfiltrationProcessor(const SabotageSetup& setup,
                                                     const InfiltrationKit& kit)
    : setup_(setup), kit_(kit) {
    if (setup_.objectiveType == kStillObjective) {
        objective_ = std::make_unique<StillSabotageObjective>(setup_, kit_);
        return;
    }
    Log("CampInfiltrationProcessor: unrecognized objective: " +
        std::to_string(setup_.objectiveType));
    phase_ = kDone;
    result_ = kFailed;
}

void CampInfiltrationProcessor::expectGuards(int32_t count) {
    if (count <= 0) return;
    guards_.reserve(static_cast<size_t>(count));
    fallen_.reserve(static_cast<size_t>(count));
}

bool CampInfiltrationProcessor::spawnGuard(Hash model) {
    const float spread = static_cast<float>(RandomInt(kSpreadMin, kSpreadBound));
    const Vector3 spot = RandomPointAround(RandomElement(setup_.spawnPoints), spread, false);
    const Ped ped = SpawnPed(model, spot);
    if (ped == 0) return false;
    SetPedConfigFlag(ped, kGuardFlag, true);
    SetDecorationInt(ped, "honor_override", 0);
    guards_.push_back(std::make_unique<GuardAI>(ped, kit_.senses));
    joinGroup(ped);
    giveDuty(*guards_.back(), guards_.size() - 1);
    return true;
}

// One group per mission: the first guard leads it, the others follow him.
void CampInfiltrationProcessor::joinGroup(Ped ped) {
    if (group_ == kNoPedGroup) {
        group_ = CreatePedGroup(0);
        if (group_ != kNoPedGroup) SetPedAsGroupLeader(ped, group_, true);
        return;
    }
    SetPedAsGroupMember(ped, group_);
}

void CampInfiltrationProcessor::giveDuty(GuardAI& guard, size_t index) {
    if (index >= kGuardsOnDuty) return;
    if (index == 0 && !IsZero(setup_.stillPosition))
        guard.startDuty(setup_.stillPosition, kStillRound);
    else
        guard.startDuty(setup_.centre, kCentreRound);
}

void CampInfiltrationProcessor::tick() {
    const float distance = Distance(PlayerPosition(), setup_.centre);
    switch (phase_) {
    case kDormant:
        wakeWhenNear(distance);
        break;
    case kObjective:
        runObjective();
        break;
    case kEscape:
        escapeWhenClear(distance);
        break;
    default:
        break;
    }
    if (phase_ < kObjective && distance >= kDormantReach) return;
    if (IsPlayerDead(PlayerIndex())) {
        Log("CampInfiltrationProcessor: Player has died");
        result_ = kFailed;
        phase_ = kDone;
        return;
    }
    updateGuards();
}

void CampInfiltrationProcessor::wakeWhenNear(float distance) {
    if (!(distance < kWakeReach)) return;
    for (const auto& guard : guards_)
        guard->ensureBlip();
    objective_->showObjective();
    phase_ = kObjective;
}

void CampInfiltrationProcessor::runObjective() {
    objective_->tick();
    if (objective_->objectiveStatus() != InfiltrationObjectiveProcessor::kCompleted) return;
    Log("CampInfiltrationProcessor: objective completed (" + std::to_string(setup_.objectiveType) +
        ")");
    phase_ = kEscape;
    kit_.notifications.showMessage(LangText(kit_.data, "missions.camp_infiltration.escape"));
}

// Once the guards fight as one, only beating them all gets the player out.
void CampInfiltrationProcessor::escapeWhenClear(float distance) {
    if (!guards_.empty() && (campFights_ || distance <= kEscapeDistance)) return;
    Log("CampInfiltrationProcessor: escaped successfully");
    result_ = kEscaped;
    phase_ = kDone;
}

void CampInfiltrationProcessor::updateGuards() {
    for (size_t i = 0; i < guards_.size();) {
        GuardAI& guard = *guards_[i];
        guard.update();
        // A ped the game no longer has counts as dead.
        if (!guard.isAlive()) {
            guard.removeBlip();
            fallen_.push_back(guard.getPed());
            guards_.erase(guards_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (guard.getMode() == GuardMode::Combat && guard.timeInMode() > kLoneFightSeconds &&
            !campFights_)
            spreadCombat(guard);
        ++i;
    }
}

void CampInfiltrationProcessor::spreadCombat(const GuardAI& fighter) {
    Log("CampInfiltrationProcessor: the whole camp joins the fight");
    const Ped player = PlayerPed();
    for (const auto& guard : guards_) {
        if (guard.get() == &fighter || guard->getMode() == GuardMode::Combat) continue;
        guard->engage(player);
    }
    campFights_ = true;
}

void CampInfiltrationProcessor::cleanup() {
    for (auto& guard : guards_) {
        // His blip goes before he leaves our hands.
        guard->removeBlip();
        Ped ped = guard->getPed();
        letGo(ped);
    }
    guards_.clear();
    for (Ped& ped : fallen_)
        letGo(ped);
    fallen_.clear();
    if (group_ != kNoPedGroup) {
        RemovePedGroup(group_);
        group_ = kNoPedGroup;
    }
    if (objective_) objective_->cleanup();
    objective_.reset();
}

void CampInfiltrationProcessor::letGo(Ped& ped) {
    if (ped == 0 || !EntityExists(ped)) return;
    if (kit_.debugTools.on())
        DeleteEntity(ped);
    else
        ReleaseEntity(ped);
}

} // namespace corvale
