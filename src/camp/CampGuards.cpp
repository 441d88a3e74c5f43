#include "camp/CampGuards.h"

#include "ai/CampGuardDutyTask.h"
#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/ItemSets.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "site/CampInterface.h"
#include "site/CampSetModels.h"
#include "ui/LangText.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

namespace corvale {

namespace {
constexpr int32_t kGuardConfigFlags[] = {
    3,   16,  17,  18,  23,  24,  35,  48,  56,  57,  90,  103, 104, 109, 137, 146, 168, 171, 174,
    178, 179, 229, 245, 252, 255, 256, 259, 263, 267, 270, 278, 321, 343, 344, 378, 380, 515};
constexpr int32_t kHiddenWeaponsMode = 2;

constexpr float kDutyRadius = 20.0f;
constexpr int32_t kDutyHours = 6;
constexpr int32_t kDutyPoints = 5;

constexpr int32_t kDecisionSeconds = 2; // between picks of an enemy
constexpr int32_t kScenarioMs = 1000;   // between scenario spots
constexpr float kStrayMetres = 30.0f;   // from his post before he is sent back near it
constexpr float kScenarioSearch = 10.0f;
constexpr int32_t kCombatFlags = 0;
constexpr int32_t kThreatResponse = 16;
} // namespace

CampGuards::CampGuards(CampInterface& campSet, const GameData& data, const DebugTools& debug)
    : campSet_(campSet), data_(data), debug_(debug) {}

void CampGuards::create(int count, Hash model) {
    if (!campSet_.isBuilt()) return;
    if (model == 0) model = HashString(camp_set::kGuard);
    int created = 0;
    for (int i = 0; i < count; ++i) {
        // A model that did not load in time will not load for the next guard either.
        if (!createGuard(model)) {
            Log("CampGuards: a camp guard could not be spawned, giving up on the others");
            break;
        }
        ++created;
    }
    Log("CampGuards: " + std::to_string(created) + " camp guards created");
}

bool CampGuards::createGuard(Hash model) {
    const Vector3 camp = campSet_.position();
    const Ped ped =
        SpawnPed(model, RandomPointAround(camp, static_cast<float>(RandomInt(6, 9)), false));
    if (ped == 0) return false;
    joinGroup(ped);
    for (const int32_t flag : kGuardConfigFlags)
        SetPedConfigFlag(ped, flag, true);
    if (group_ != kNoPedGroup) ActivateCompanionAnalysis(group_);
    SetPedRelationshipGroup(ped, HashString("REL_GANG_DUTCHS"));
    SetPedIgnoreDeadBodies(ped, true);
    SetPedKeepTask(ped, true);
    SetPedPromptName(ped, LangText(data_, "prompts.camp_guard"));
    HidePedWeapons(ped, kHiddenWeaponsMode, true);
    guards_.push_back(std::make_unique<CampGuard>(ped, camp));
    return true;
}

// The first guard of a camp leads the group; the group outlives the camp unless the game
// drops it.
void CampGuards::joinGroup(Ped ped) {
    bool leads = guards_.empty();
    if (group_ != kNoPedGroup && !PedGroupExists(group_)) group_ = kNoPedGroup;
    if (group_ == kNoPedGroup) {
        group_ = CreatePedGroup(0);
        leads = true;
    }
    if (group_ == kNoPedGroup) return;
    if (leads)
        SetPedAsGroupLeader(ped, group_, true);
    else
        SetPedAsGroupMember(ped, group_);
}

void CampGuards::clear() {
    dutyGuard_ = nullptr;
    for (const auto& guard : guards_)
        if (EntityExists(guard->ped)) DeletePed(guard->ped);
    guards_.clear();
}

void CampGuards::tick() {
    const int32_t fight = CountPedsInCombatWith(PlayerPed(), 0);
    assignDuty(fight);
    for (std::size_t i = 0; i < guards_.size();) {
        CampGuard& guard = *guards_[i];
        if (!CanTakeTask(guard.ped)) {
            removeDead(i);
            continue;
        }
        updateGuard(guard, fight);
        ++i;
    }
}

// No patrol is handed out while the player fights.
void CampGuards::assignDuty(int32_t fight) {
    if (fight != 0) return;
    if (dutyGuard_ && !dutyGuard_->task) dutyGuard_ = nullptr;
    if (dutyGuard_ || guards_.empty()) return;
    CampGuard& guard =
        *guards_[static_cast<std::size_t>(RandomInt(0, static_cast<int32_t>(guards_.size())))];
    guard.task = std::make_unique<CampGuardDutyTask>(guard.ped, guard.post, kDutyRadius, kDutyHours,
                                                     kDutyPoints);
    dutyGuard_ = &guard;
}

void CampGuards::updateGuard(CampGuard& guard, int32_t fight) {
    if (CurrentTargetOf(guard.ped) != 0 || CountPedsInCombatWith(guard.ped, 0) > 0) return;
    if (fight >= 1 && guard.timer.elapsedSeconds() >= kDecisionSeconds) {
        engageEnemy(guard);
    } else {
        if (guard.task) return tickTask(guard);
        // While the player fights he only waits for his next pick of an enemy: a new scenario
        // spot would restart his timer and keep him out of the fight.
        if (fight >= 1) return;
        if (guard.timer.elapsedMs() < kScenarioMs || IsPedUsingAnyScenario(guard.ped)) return;
        rotateScenario(guard);
    }
    guard.timer.reset();
}

void CampGuards::tickTask(CampGuard& guard) {
    guard.task->tick();
    if (guard.task->isRunning()) return;
    std::unique_ptr<AsyncPedTask> next = guard.task->next();
    guard.task = std::move(next);
}

void CampGuards::rotateScenario(CampGuard& guard) {
    if (devToolsSwitch()) Log("CampGuardAI: rotating guard scenario: " + std::to_string(guard.ped));
    const float range = static_cast<float>(RandomInt(6, 12));
    Vector3 spot = RandomPointAround(EntityPosition(guard.ped), range, false);
    if (Distance(guard.ped, guard.post) > kStrayMetres)
        spot = RandomPointAround(guard.post, static_cast<float>(RandomInt(6, 12)), false);
    TaskUseNearestScenarioToPoint(guard.ped, spot, kScenarioSearch, RandomInt(30000, 80000), false,
                                  false, true, false);
}

void CampGuards::engageEnemy(CampGuard& guard) {
    ItemSet enemies = CreateItemSet(false);
    if (enemies == kNoItemSet) return;
    PedsInCombatWith(PlayerPed(), enemies, 0);
    if (const int32_t count = ItemSetSize(enemies); count > 0) {
        const Ped enemy = ItemSetEntry(enemies, RandomInt(0, count));
        TaskCombatPed(guard.ped, enemy, kCombatFlags, kThreatResponse);
        // Written from a buffer: a raid's frames allocate nothing.
        char handle[16];
        const int length = std::snprintf(handle, sizeof handle, "%d", enemy);
        Log("CampGuardAI: fighting player enemy: ",
            std::string_view(handle, length > 0 ? static_cast<std::size_t>(length) : 0));
    }
    DestroyItemSet(enemies);
}

void CampGuards::removeDead(std::size_t index) {
    Log("CampGuards: clearing guard");
    std::unique_ptr<CampGuard> guard = std::move(guards_[index]);
    guards_.erase(guards_.begin() + static_cast<std::ptrdiff_t>(index));
    if (EntityExists(guard->ped)) {
        if (debug_.on())
            DeletePed(guard->ped);
        else
            ReleaseEntity(guard->ped);
    }
    if (dutyGuard_ == guard.get()) dutyGuard_ = nullptr;
    guard.reset();
    Log("CampGuards: guard cleared");
}

// A switch that is no number counts as off here; the frame loop reports it.
bool CampGuards::devToolsSwitch() const {
    try {
        return data_.settings().getBool("DevTools");
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace corvale
