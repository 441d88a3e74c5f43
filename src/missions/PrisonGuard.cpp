#include "missions/PrisonGuard.h"

#include "core/log/Log.h"
#include "core/natives/Audio.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Developer.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Random.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "missions/BaseMissionProcessor.h"
#include "missions/JailPlaces.h"

#include <algorithm>

namespace corvale {

namespace {
constexpr int32_t kDecorPickPocketable = 2;
constexpr int32_t kGuardTaskCheckFrames = 1000;
constexpr int32_t kFirstBreakInSeconds = 2400;
constexpr int32_t kBreakEverySeconds = 7200;
constexpr float kStandRadius = 4.0f;
constexpr float kWalkSpeed = 0.8f;
constexpr int32_t kCombatThreatResponse = 16;
} // namespace

PrisonGuard::PrisonGuard(BaseMissionProcessor& mission, const DebugTools& debug)
    : mission_(mission), debug_(debug), peeScenario_(HashString("WORLD_HUMAN_PEE")),
      idleScenarios_{HashString("GENERIC_STANDING_SCENARIO"), HashString("WORLD_HUMAN_SMOKE")} {}

Ped PrisonGuard::spawn(const char* name) {
    Log("CookRescueMission: creating prison guard");
    const Ped guard = mission_.addEntity(
        SpawnPed("s_m_m_valdeputy_01", jail::kGuardSpawn, jail::kGuardSpawnHeading));
    ped_ = guard;
    if (guard == 0) return 0;
    SetPedPromptName(guard, name);
    SetAmbientVoice(guard, "0739_G_M_M_BOUNTYHUNTERS_01_WHITE_01");
    SetDecorationInt(guard, "SH_PickPocketing_status", kDecorPickPocketable);
    if (debug_.on()) {
        SetDecorationInt(guard, "honor_override", 0);
        SetPedConfigFlag(guard, 6, true);
    }
    return guard;
}

void PrisonGuard::release() {
    if (ped_ == 0) return;
    mission_.dropEntity(ped_);
    ReleaseEntity(ped_);
    ped_ = 0;
}

void PrisonGuard::forget() {
    ped_ = 0;
    roundCheckFrames_ = 0;
    nextBreakAt_ = 0;
}

void PrisonGuard::update() {
    const Ped guard = ped_;
    if (guard == 0 || !EntityExists(guard) || IsEntityDead(guard)) return;
    const Ped player = PlayerPed();
    if (IsPedInCombat(guard, player) || IsPedHogtied(guard)) return;
    if (IsLawIncidentActive(PlayerIndex())) {
        TaskCombatPed(guard, player, 0, kCombatThreatResponse);
        return;
    }
    if (SequenceProgress(guard) >= 0) return;

    if (nextBreakAt_ == 0) nextBreakAt_ = ClockSeconds() + kFirstBreakInSeconds;
    if (roundCheckFrames_ > 0) {
        // The countdown runs down by the frame rate, about a second's worth of frames.
        const float frameTime = FrameTime();
        const float left = frameTime > 0.0f
                               ? static_cast<float>(roundCheckFrames_) - 1.0f / frameTime
                               : static_cast<float>(roundCheckFrames_);
        roundCheckFrames_ = std::max(0, static_cast<int32_t>(left));
        return;
    }
    giveRound(guard);
}

// A stand near the post, then a break or an idle scenario at one of his spots.
void PrisonGuard::giveRound(Ped guard) {
    Sequence round = OpenSequence();
    if (round == kNoSequence) return;
    const float radius = RandomFloat(0.0f, kStandRadius);
    const Vector3 stand = RandomPointAround(jail::kGuardPost, radius, false);
    const int32_t stayMs = debug_.on() ? 10000 : RandomInt(45, 65) * 1000;
    TaskUseNearestScenarioToPoint(0, stand, 5.0f, stayMs, false, false, false, false);
    const int32_t now = ClockSeconds();
    if (now >= nextBreakAt_) {
        nextBreakAt_ = now + kBreakEverySeconds;
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
    roundCheckFrames_ = kGuardTaskCheckFrames;
}

} // namespace corvale
