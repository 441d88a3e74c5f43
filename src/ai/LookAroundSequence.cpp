#include "ai/LookAroundSequence.h"

#include "ai/AsyncPedTask.h"
#include "ai/CheckSteps.h"
#include "ai/TaskGeometry.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Sequences.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"

namespace corvale {

namespace {
constexpr Ped kRecording = 0;
constexpr float kWalk = 1.5f;
constexpr float kStopShort = 1.5f;
constexpr float kStopRange = 1.0f;
constexpr int32_t kNoTimeout = -1;
constexpr int32_t kLookPriority = 51;
constexpr int32_t kFacePointMs = 1500;
constexpr int32_t kStareMs = 7000;
constexpr int32_t kFaceOutMs = 1000;
constexpr int32_t kAimOutMs = 6000;
constexpr int32_t kPauseMs = 3000;
constexpr int32_t kTurnBackMs = 2000;
constexpr float kLookOutMetres = 50.0f;
constexpr Hash kAnyConditional = 1;
constexpr Hash kGuardScout = scenarios::kGuardScout;

float SpotDistance() {
    return static_cast<float>(RandomInt(8, 15));
}

// Walks up to the point, faces it and stares at it a while.
void RecordApproach(const Vector3& start, const Vector3& point) {
    if (const auto stop = LookAroundWalkStop(start, point))
        TaskGoToPoint(kRecording, *stop, kWalk, kNoTimeout, kStopShort, 0, 0.0f);
    TaskTurnToFacePoint(kRecording, point, kFacePointMs);
    TaskLookAtPoint(kRecording, point, kNoTimeout, 0, kLookPriority, true);
    TaskStandStill(kRecording, kStareMs);
    TaskClearLookAt(kRecording);
}

// From a spot around the centre, looks and aims outwards, away from it.
void RecordLookOut(const Vector3& spot, const Vector3& centre) {
    const Vector3 out = Add(spot, Scale(Normalise(Subtract(spot, centre)), kLookOutMetres));
    TaskGoToPoint(kRecording, spot, kWalk, kNoTimeout, kStopRange, 0, FacingTowards(centre, spot));
    TaskTurnToFacePoint(kRecording, out, kFaceOutMs);
    TaskAimAtPoint(kRecording, out, kAimOutMs, false, false);
    TaskStandStill(kRecording, kPauseMs);
}
} // namespace

void RunLookAround(Ped guard, const Vector3& point, int32_t lookPoints) {
    if (!CanTakeTask(guard)) return;
    const float heading = EntityHeading(guard);
    const Vector3 start = EntityPosition(guard);
    const bool behind = IsZero(point);
    const Vector3 direction =
        behind ? Scale(EntityForward(guard), -1.0f) : Normalise(Subtract(point, start));
    const Vector3 centre = behind ? start : point;
    Vector3 spot = Add(centre, Scale(direction, SpotDistance()));

    SetBlockingOfNonTemporaryEvents(guard, true);
    EquipBestWeapon(guard);
    SetPedPanicExitPoint(guard, centre);

    Sequence sequence = OpenSequence();
    if (sequence == kNoSequence) return;
    TaskSwapWeapon(kRecording, 1, 1, 0, 0);
    if (!behind) RecordApproach(start, point);
    for (int32_t i = 0; i < lookPoints; ++i) {
        RecordLookOut(spot, centre);
        spot = RandomPointAround(centre, SpotDistance(), false);
    }
    TaskGoToPoint(kRecording, start, kWalk, kNoTimeout, kStopRange, 0, heading);
    TaskAchieveHeading(kRecording, heading, kTurnBackMs);
    StartScenarioInPlace(kRecording, kGuardScout, kNoTimeout, true, kAnyConditional, heading);
    PerformAndClear(guard, sequence);
}

} // namespace corvale
