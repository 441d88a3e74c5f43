// The player's ped: scenario tasks, combat and pace.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kTaskStartScenarioInPlaceHash = 0x524b54361229154f;
constexpr uint64_t kClearPedTasksImmediately = 0xaaa34f8a7cb32098;
constexpr uint64_t kIsPedInCombat = 0x4859f1fc66a6278e;
constexpr uint64_t kSetPedMaxMoveBlendRatio = 0x433083750c5e064a;
} // namespace

void StartScenarioInPlace(int32_t ped, Hash scenario) {
    Invoke(kTaskStartScenarioInPlaceHash, ped, scenario, -1, true, 1u, 0.0f, true);
}

void ClearPedTasksNow(int32_t ped) {
    Invoke(kClearPedTasksImmediately, ped, true, true);
}

bool IsPedInCombat(int32_t ped) {
    return Invoke<bool>(kIsPedInCombat, ped, 0);
}

void SetPedMaxMoveBlendRatio(int32_t ped, float ratio) {
    Invoke(kSetPedMaxMoveBlendRatio, ped, ratio);
}

} // namespace corvale::business
