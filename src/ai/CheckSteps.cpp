#include "ai/CheckSteps.h"

#include "core/natives/Entity.h"
#include "core/natives/Peds.h"
#include "core/natives/Tasks.h"

namespace corvale {

namespace {
constexpr Ped kRecording = 0;
constexpr float kWalkBack = 1.5f;
constexpr float kStopRange = 1.0f;
constexpr int32_t kNoTimeout = -1;
constexpr int32_t kTurnMs = 2000;
} // namespace

CheckStart ReadCheckStart(Ped ped) {
    CheckStart start;
    start.position = EntityPosition(ped);
    start.heading = EntityHeading(ped);
    start.post = PedScenarioPoint(ped, true);
    return start;
}

void RecordReturn(const CheckStart& start) {
    if (start.post == kNoScenarioPoint) {
        TaskGoToPoint(kRecording, start.position, kWalkBack, kNoTimeout, kStopRange, 0,
                      start.heading);
        TaskAchieveHeading(kRecording, start.heading, kTurnMs);
        return;
    }
    TaskUseScenarioPoint(kRecording, start.post, nullptr, kNoTimeout, true, false, 0, false, -1.0f,
                         false);
}

void PerformAndClear(Ped ped, Sequence& sequence) {
    CloseSequence(sequence);
    PerformSequence(ped, sequence);
    ClearSequence(sequence);
}

} // namespace corvale
