// The jail's two peds: the deputy on guard and Clint in his cell, and the rounds that keep
// the deputy at his post.
#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/Audio.h"
#include "core/natives/Developer.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Script.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "missions/CookRescueMission.h"
#include "missions/JailPlaces.h"

#include <algorithm>

namespace corvale {

namespace {
constexpr int32_t kDecorPickPocketable = 2;
constexpr int32_t kDecorNotPickPocketable = -1;
constexpr int32_t kGuardTaskCheckFrames = 1000;
constexpr int32_t kFirstBreakInSeconds = 2400;
constexpr int32_t kBreakEverySeconds = 7200;
constexpr float kStandRadius = 4.0f;
constexpr float kWalkSpeed = 0.8f;
constexpr int32_t kCombatThreatResponse = 16;
} // namespace

Ped CookRescueMission::spawnGuard() {
    Log("CookRescueMission: creating prison guard");
    const Ped guard =
        addEntity(SpawnPed("s_m_m_valdeputy_01", jail::kGuardSpawn, jail::kGuardSpawnHeading));
    if (guard == 0) return 0;
    SetPedPromptName(guard, text("missions.cook_rescue.jail_guard_name"));
    SetAmbientVoice(guard, "0739_G_M_M_BOUNTYHUNTERS_01_WHITE_01");
    SetDecorationInt(guard, "SH_PickPocketing_status", kDecorPickPocketable);
    if (kit().debugTools.on()) {
        SetDecorationInt(guard, "honor_override", 0);
        SetPedConfigFlag(guard, 6, true);
    }
    return guard;
}

Ped CookRescueMission::spawnClint() {
    Log("CookRescueMission: creating cook ped");
    const Ped cook = addEntity(SpawnPed("a_m_m_moonshiners_01", jail::kClintSpawn));
    if (cook == 0) return 0;
    SetPedPromptName(cook, text("prompts.cook"));
    EquipOutfitPreset(cook, 3, false);
    ApplyShopItem(cook, peds::kCookOutfitPartA, true, false, false);
    ApplyShopItem(cook, peds::kCookOutfitPartB, true, false, false);
    SetPedIgnoreDeadBodies(cook, true);
    SetPedConfigFlag(cook, 154, true);
    SetPedConfigFlag(cook, 540, true);
    SetEntityHealth(cook, 1500, 0);
    SetEntityProofs(cook, 4, false);
    SetPedCombatAttribute(cook, 46, false);
    SetPedCombatAttribute(cook, 13, true);
    SetPedAccuracy(cook, 80);
    SetInvincible(cook, true);
    chooseLocationPrompt_.setGroupFrom(cook);
    SetPedRelationshipGroup(cook, HashString("REL_GANG_DUTCHS"));
    SetAmbientVoice(cook, "0192_A_M_M_HTLROUGHTRAVELLERS_01_WHITE_01");
    ScriptWait(500);
    // Half a second is long enough for the game to lose him.
    if (!EntityExists(cook)) return cook;
    TaskTurnToFacePoint(cook, getPosition(), -1);
    SetDecorationInt(cook, "SH_PickPocketing_status", kDecorNotPickPocketable);
    return cook;
}

// Hands the deputy to the game once, when the law takes over the fight.
void CookRescueMission::releaseGuard() {
    if (prisonGuard_ == 0) return;
    dropEntity(prisonGuard_);
    ReleaseEntity(prisonGuard_);
    prisonGuard_ = 0;
}

void CookRescueMission::updatePrisonGuard() {
    const Ped guard = prisonGuard_;
    if (guard == 0 || !EntityExists(guard) || IsEntityDead(guard)) return;
    const Ped player = PlayerPed();
    if (IsPedInCombat(guard, player) || IsPedHogtied(guard)) return;
    if (playerWanted()) {
        TaskCombatPed(guard, player, 0, kCombatThreatResponse);
        return;
    }
    if (SequenceProgress(guard) >= 0) return;

    if (getValue("prisonGuard.next_pee_time") == 0)
        setValue("prisonGuard.next_pee_time", ClockSeconds() + kFirstBreakInSeconds);
    const int32_t countdown = getValue("prisonGuard.task_check_timer");
    if (countdown > 0) {
        // The countdown runs down by the frame rate, about a second's worth of frames.
        const float frameTime = FrameTime();
        const float left = frameTime > 0.0f ? static_cast<float>(countdown) - 1.0f / frameTime
                                            : static_cast<float>(countdown);
        setValue("prisonGuard.task_check_timer", std::max(0, static_cast<int32_t>(left)));
        return;
    }
    givePrisonGuardRound(guard);
}

// A stand near the post, then a break or an idle scenario at one of his spots.
void CookRescueMission::givePrisonGuardRound(Ped guard) {
    Sequence round = OpenSequence();
    if (round == kNoSequence) return;
    const float radius = RandomFloat(0.0f, kStandRadius);
    const Vector3 stand = RandomPointAround(jail::kGuardPost, radius, false);
    const int32_t stayMs = kit().debugTools.on() ? 10000 : RandomInt(45, 65) * 1000;
    TaskUseNearestScenarioToPoint(0, stand, 5.0f, stayMs, false, false, false, false);
    const int32_t now = ClockSeconds();
    if (now >= getValue("prisonGuard.next_pee_time")) {
        setValue("prisonGuard.next_pee_time", now + kBreakEverySeconds);
        TaskGoToPoint(0, jail::kReliefSpot, kWalkSpeed, -1, 0.5f, 0, jail::kReliefHeading);
        TaskScenarioAtPosition(0, peeScenario_, jail::kReliefSpot, jail::kReliefHeading, 7000);
    } else {
        const jail::Spot& spot = jail::kIdleSpots[RandomInt(0, 2) == 0 ? 0 : 1];
        TaskGoToPoint(0, spot.point, kWalkSpeed, -1, 1.0f, 0, spot.heading);
        const Hash scenario = idleScenarios_[RandomInt(0, 2) == 0 ? 0 : 1];
        TaskScenarioAtPosition(0, scenario, spot.point, spot.heading, RandomInt(20, 30) * 1000);
    }
    CloseSequence(round);
    PerformSequence(guard, round);
    ClearSequence(round);
    setValue("prisonGuard.task_check_timer", kGuardTaskCheckFrames);
}

} // namespace corvale
