#include "ai/CheckShockingNoiseTask.h"

#include "ai/CheckSteps.h"
#include "ai/TaskGeometry.h"
#include "core/natives/Peds.h"
#include "core/natives/Random.h"
#include "core/natives/Script.h"
#include "core/natives/Tasks.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weapons.h"

namespace corvale {

namespace {
constexpr Ped kRecording = 0;
constexpr int32_t kExitFacing = 3;
constexpr float kRun = 2.0f;
constexpr float kStopRange = 1.0f;
constexpr int32_t kNoTimeout = -1;
constexpr int32_t kLookPriority = 51;
constexpr float kLookAsideMetres = 7.0f;
constexpr int32_t kCautiousMs = 15000;
constexpr uint32_t kHandOverWaitMs = 50;

void LookAround(const Vector3& at, int32_t minMs, int32_t maxMs) {
    TaskAimAtPoint(kRecording, at, RandomInt(minMs, maxMs), false, false);
}
} // namespace

CheckShockingNoiseTask::CheckShockingNoiseTask(Ped ped, const Vector3& point)
    : AsyncPedTask(ped), point_(point) {
    if (!CanTakeTask(ped)) return;
    const CheckStart start = ReadCheckStart(ped);
    const float distance = Length(Subtract(point, start.position));
    const CheckRoute route = RouteTowards(start.position, point, ShockingNoiseApproach(distance));

    if (start.post != kNoScenarioPoint) SetPedCombatScenarioExit(ped, point, kExitFacing);
    PedSay(ped, RandomInt(0, 2) != 0 ? "WHOA_ESCALATED" : "GENERIC_SHOCKED_HIGH");
    SetCurrentWeapon(ped, BestWeapon(ped), false);
    SetPedBlackboardFloat(ped, "cautious", 1.0f, kCautiousMs);

    Sequence sequence = OpenSequence();
    if (sequence != kNoSequence) {
        TaskSwapWeapon(kRecording, 1, 1, 0, 0);
        TaskLookAtPoint(kRecording, point, kNoTimeout, 0, kLookPriority, true);
        LookAround(point, 3000, 4000);
        LookAround(Vector3(point.x, point.y + kLookAsideMetres, point.z), 3000, 4000);
        LookAround(Vector3(point.x, point.y - kLookAsideMetres, point.z), 3000, 4000);
        TaskGoToPoint(kRecording, route.approach, kRun, kNoTimeout, kStopRange, 0, route.facing);
        LookAround(route.beyond, 5000, 7000);
        RecordReturn(start);
        PerformAndClear(ped, sequence);
    }
    ScriptWait(kHandOverWaitMs);
}

bool CheckShockingNoiseTask::isFinished() const {
    return SequenceTaskFinished(getPed());
}

} // namespace corvale
