#include "core/natives/Tasks.h"

namespace corvale {

namespace {
constexpr uint64_t kTaskStartScenarioInPlaceHash = 0x524b54361229154f;
constexpr uint64_t kClearPedTasksImmediately = 0xaaa34f8a7cb32098;
constexpr uint64_t kClearPedTasks = 0xe1ef3c1216aff2cd;
constexpr uint64_t kTaskEnterVehicle = 0xc20e50aa46d09ca8;
constexpr uint64_t kTaskLeaveVehicle = 0xd3dbce61a490be02;
constexpr uint64_t kTaskVehicleDriveWander = 0x480142959d337d00;
constexpr uint64_t kTaskCombatPed = 0xf166e48407bac484;
} // namespace

void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading) {
    Invoke(kTaskStartScenarioInPlaceHash, ped, scenario, durationMs, playEnter, conditional,
           heading, true);
}

void ClearPedTasksNow(Ped ped) {
    Invoke(kClearPedTasksImmediately, ped, true, true);
}

void ClearPedTasks(Ped ped, bool immediately, bool flag) {
    Invoke(kClearPedTasks, ped, immediately, flag);
}

void TaskEnterVehicle(Ped ped, Vehicle vehicle, int32_t timeoutMs, int32_t seat, float speed,
                      int32_t flags) {
    Invoke(kTaskEnterVehicle, ped, vehicle, timeoutMs, seat, speed, flags, 0);
}

void TaskLeaveVehicle(Ped ped, Vehicle vehicle, int32_t flags) {
    Invoke(kTaskLeaveVehicle, ped, vehicle, flags, Ped{0});
}

void TaskVehicleDriveWander(Ped driver, Vehicle vehicle, float speed, int32_t drivingStyle) {
    Invoke(kTaskVehicleDriveWander, driver, vehicle, speed, drivingStyle);
}

void TaskCombatPed(Ped ped, Ped target, int32_t flags, int32_t threatResponse) {
    Invoke(kTaskCombatPed, ped, target, flags, threatResponse);
}

} // namespace corvale
