#include "ai/CheckSuspiciousEventTask.h"

#include "ai/CheckSteps.h"
#include "ai/TaskGeometry.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Script.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"

namespace corvale {

namespace {
constexpr Ped kRecording = 0;
constexpr int32_t kQuickExitFlags = 3;
constexpr float kWalk = 1.25f;
constexpr float kStopRange = 1.0f;
constexpr int32_t kNoTimeout = -1;
constexpr int32_t kLookPriority = 51;
constexpr int32_t kFaceMs = 2500;
constexpr int32_t kFaceBeyondMs = 1500;
constexpr Hash kAnyConditional = 1;
constexpr int32_t kCautiousMs = 15000;
constexpr uint32_t kHandOverWaitMs = 50;
// The last step of the scouting; past it he has found nothing.
constexpr int32_t kScoutStep = 6;
} // namespace

CheckSuspiciousEventTask::CheckSuspiciousEventTask(Ped ped, const Vector3& point)
    : AsyncPedTask(ped), point_(point) {
    if (!CanTakeTask(ped)) return;
    const CheckStart start = ReadCheckStart(ped);
    const float distance = Length(Subtract(point, start.position));
    const CheckRoute route =
        RouteTowards(start.position, point, SuspiciousEventApproach(distance));

    if (start.post != kNoScenarioPoint)
        SetPedQuickScenarioExit(ped, start.position, kQuickExitFlags, true);
    PedSay(ped, RandomInt(0, 2) != 0 ? "WHAT_IS_THAT" : "WHAT_WAS_THAT");
    EquipBestWeapon(ped);
    SetPedBlackboardFloat(ped, "cautious", 1.0f, kCautiousMs);

    Sequence sequence = OpenSequence();
    if (sequence != kNoSequence) {
        TaskSwapWeapon(kRecording, 1, 1, 0, 0);
        TaskTurnToFacePoint(kRecording, point, kFaceMs);
        TaskLookAtPoint(kRecording, point, kNoTimeout, 0, kLookPriority, false);
        TaskGoToPoint(kRecording, route.approach, kWalk, kNoTimeout, kStopRange, 0, route.facing);
        TaskTurnToFacePoint(kRecording, route.beyond, kFaceBeyondMs);
        TaskLookAtPoint(kRecording, route.beyond, kNoTimeout, 0, kLookPriority, false);
        StartScenarioInPlace(kRecording, HashString("WORLD_HUMAN_GUARD_SCOUT"),
                             RandomInt(4000, 8000), true, kAnyConditional, route.facing);
        TaskClearLookAt(kRecording);
        RecordReturn(start);
        PerformAndClear(ped, sequence);
    }
    ScriptWait(kHandOverWaitMs);
}

bool CheckSuspiciousEventTask::isFinished() const {
    return SequenceTaskFinished(getPed());
}

void CheckSuspiciousEventTask::onTick() {
    if (saidNothingFound_ || SequenceProgress(getPed()) <= kScoutStep) return;
    PedSay(getPed(), "SEARCHING_FOUND_NOTHING");
    saidNothingFound_ = true;
}

} // namespace corvale
