#include "ai/CampGuardDutyTask.h"

#include "ai/CheckSteps.h"
#include "core/natives/GameClock.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Sequences.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"

#include <cstdint>

namespace corvale {

namespace {
constexpr int32_t kSecondsPerHour = 3600;
constexpr Ped kRecording = 0;
constexpr int32_t kSpotAttempts = 6;
constexpr int32_t kSafeCoordFlags = 8;
constexpr float kHighestSpot = 0.3f; // above the ground: on a roof or a rock, not a path
constexpr float kWalk = 1.0f;
constexpr int32_t kNoTimeout = -1;
constexpr float kStopRange = 1.0f;
constexpr int32_t kStandMinSeconds = 25;
constexpr int32_t kStandMaxSeconds = 40;
// A walk the game never starts (a fight took him first) is handed out again after this.
constexpr int32_t kStartLimitMs = 3000;

// Clock seconds wrap as the game's 32-bit count does; compared by their difference.
int32_t Later(int32_t clock, int32_t hours) {
    return static_cast<int32_t>(static_cast<uint32_t>(clock) +
                                static_cast<uint32_t>(hours) * kSecondsPerHour);
}
int32_t ClockDifference(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
} // namespace

CampGuardDutyTask::CampGuardDutyTask(Ped ped, const Vector3& centre, float radius, int32_t hours,
                                     int32_t points)
    : AsyncPedTask(ped), centre_(centre), radius_(radius), shiftEnds_(hours > 0),
      endTime_(shiftEnds_ ? Later(ClockSeconds(), hours) : 0), nextPoint_(RandomInt(0, points)),
      points_(points > 0 ? points : 1) {
    SetPedPathMayEnterDeepWater(ped, false);
}

bool CampGuardDutyTask::isFinished() const {
    if (!CanTakeTask(getPed())) return true;
    if (!shiftEnds_ || stage_ != kChoosePoint) return false;
    return ClockDifference(ClockSeconds(), endTime_) >= 0;
}

void CampGuardDutyTask::onTick() {
    switch (stage_) {
    case kHandedOver:
        if (SequenceProgress(getPed()) >= 0)
            setStage(kWalking);
        else if (stageTimer_.elapsedMs() >= kStartLimitMs)
            setStage(kChoosePoint);
        return;
    case kWalking:
        if (SequenceProgress(getPed()) == -1) setStage(kChoosePoint);
        return;
    case kChoosePoint:
        choosePoint();
        return;
    }
}

void CampGuardDutyTask::choosePoint() {
    const float heading = 360.0f / static_cast<float>(points_) * static_cast<float>(nextPoint_);
    const Vector3 direction = DirectionFromHeading(heading, 0.0f);
    // From the ring inwards until the game offers a spot on the ground.
    Vector3 spot;
    for (int32_t k = 1; k <= kSpotAttempts; ++k) {
        const Vector3 candidate = Add(centre_, Scale(direction, radius_ / static_cast<float>(k)));
        if (SafeCoordForPed(candidate, false, spot, kSafeCoordFlags) &&
            HeightAboveGround(spot) <= kHighestSpot)
            break;
    }
    if (IsZero(spot)) {
        nextPoint_ = (nextPoint_ + 1) % points_;
        return;
    }

    const Ped ped = getPed();
    EquipBestWeapon(ped);
    Sequence walk = OpenSequence();
    if (walk == kNoSequence) return; // none to lend this frame; asked again on the next
    TaskSwapWeapon(kRecording, 1, 1, 0, 0);
    TaskGoToPoint(kRecording, spot, kWalk, kNoTimeout, kStopRange, 0, heading);
    TaskStandStill(kRecording, RandomInt(kStandMinSeconds, kStandMaxSeconds) * 1000);
    PerformAndClear(ped, walk);
    setStage(kHandedOver);
    nextPoint_ = (nextPoint_ + 1) % points_;
}

void CampGuardDutyTask::setStage(Stage stage) {
    stage_ = stage;
    stageTimer_.reset();
}

} // namespace corvale
