#include "ai/PutHerbsInStillTask.h"

#include "core/log/Log.h"
#include "core/natives/Animation.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Sequences.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"
#include "core/timers/Elapsed.h"

#include <string>

namespace corvale {

namespace {

constexpr const char* kDictionary = "script_re@moonshine_camp@player_put_in_herbs";
constexpr float kInFront = 0.5f;
constexpr float kToTheSide = 0.3f;
constexpr float kWalkSpeed = 1.0f;
constexpr int32_t kWalkTimeoutMs = 10000;
constexpr float kStopRange = 0.3f;
constexpr int32_t kTurnMs = 1000;
// Steps of the hand-over: swap weapon, walk, turn, then the animation.
constexpr int32_t kLastStepBeforeAnimation = 2;

} // namespace

Vector3 InteractionSpot(Object object) {
    return Add(EntityPosition(object), Scale(EntityForward(object), kInFront));
}

Vector3 StillSpot(Object still) {
    return Subtract(InteractionSpot(still), Scale(EntityRotationDirection(still), kToTheSide));
}

PutHerbsInStillTask::PutHerbsInStillTask(Ped ped, Object still, bool stealth,
                                         const DebugTools& debug)
    : AsyncPedTask(ped), still_(still), stealth_(stealth), debug_(debug),
      startedAt_(GameTimerMs()) {
    if (still_ == 0 || !EntityExists(still_)) stage_ = kCancelled;
}

bool PutHerbsInStillTask::isFinished() const {
    return stage_ == kDone;
}

bool PutHerbsInStillTask::isCancelled() const {
    if (stage_ == kCancelled) return true;
    return !EntityExists(still_) || IsEntityDead(getPed());
}

void PutHerbsInStillTask::onTick() {
    if (stage_ == kCancelled || stage_ == kDone) return;
    if (ElapsedSince(startedAt_) >= kLimitMs) return cancel("not done within 30 s");
    switch (stage_) {
    case kStart:
        return handOver();
    case kWalking:
        return followWalk();
    case kAtStill:
        return openStill();
    case kPlaying:
        return waitForAnimationEnd();
    default:
        return;
    }
}

void PutHerbsInStillTask::handOver() {
    const Ped ped = getPed();
    const Vector3 spot = StillSpot(still_);
    const float facing = EntityHeading(still_) + 180.0f;
    SetCurrentWeapon(ped, weapons::kUnarmed, true, 0, false, false);
    SetCurrentWeapon(ped, weapons::kUnarmed, true, 0, true, false);
    Sequence sequence = OpenSequence();
    if (sequence == kNoSequence) return cancel("the game lent no task sequence");
    TaskSwapWeapon(0, 0, 0, 0, 0);
    TaskGoToPoint(0, spot, kWalkSpeed, kWalkTimeoutMs, kStopRange, 0, facing);
    TaskAchieveHeading(0, facing, kTurnMs);
    PlayAnim(0, stealth_ ? "put_in_still_02_stealth" : "put_in_still", kDictionary, -1, 1.0f, -1.0f,
             0);
    CloseSequence(sequence);
    PerformSequence(ped, sequence);
    ClearSequence(sequence);
    stage_ = kWalking;
}

void PutHerbsInStillTask::followWalk() {
    if (IsEntityDead(getPed())) return cancel("the ped died");
    const int32_t progress = SequenceProgress(getPed());
    if (progress > kLastStepBeforeAnimation) {
        stage_ = kAtStill;
        return;
    }
    if (progress >= 0) {
        sequenceStarted_ = true;
        return;
    }
    // Over before the animation: interrupted, or the animation was never there to play.
    if (sequenceStarted_) cancel("the walk ended before the herbs went in");
}

void PutHerbsInStillTask::openStill() {
    PlaySceneAnim(still_, stealth_ ? "put_in_still_02_stealth_still02x" : "put_in_still_still",
                  kDictionary, -1.0f, false, false, 0.0f, 0, debug_);
    stage_ = kPlaying;
}

void PutHerbsInStillTask::waitForAnimationEnd() {
    if (SequenceProgress(getPed()) == -1) stage_ = kDone;
}

void PutHerbsInStillTask::cancel(const char* why) {
    Log(std::string("PutHerbsInStillTask: cancelled, ") + why);
    stage_ = kCancelled;
}

} // namespace corvale
