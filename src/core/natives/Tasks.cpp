#include "core/natives/Tasks.h"

namespace corvale {

namespace {
constexpr uint64_t kTaskStartScenarioInPlaceHash = 0x524b54361229154f;
constexpr uint64_t kClearPedTasksImmediately = 0xaaa34f8a7cb32098;
} // namespace

void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading) {
    Invoke(kTaskStartScenarioInPlaceHash, ped, scenario, durationMs, playEnter, conditional,
           heading, true);
}

void ClearPedTasksNow(Ped ped) {
    Invoke(kClearPedTasksImmediately, ped, true, true);
}

} // namespace corvale
