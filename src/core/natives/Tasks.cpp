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
constexpr uint64_t kTaskSwapWeapon = 0xa21c51255b205245;
constexpr uint64_t kTaskLookAtCoord = 0x6fa46612594f7973;
constexpr uint64_t kTaskClearLookAt = 0x0f804f1db19b9689;
constexpr uint64_t kTaskAimGunAtCoord = 0x6671f3eec681bda1;
constexpr uint64_t kTaskTurnPedToFaceCoord = 0x1dda930a0ac38571;
constexpr uint64_t kTaskAchieveHeading = 0x93b93a37987f1f3d;
constexpr uint64_t kTaskFollowNavMeshToCoord = 0x15d3a79d4e44b913;
constexpr uint64_t kTaskUseScenarioPoint = 0xccdae6324b6a821c;
constexpr uint64_t kTaskFollowToOffsetOfEntity = 0x304ae42e357b8c7e;
constexpr uint64_t kTaskStartScenarioAtPosition = 0x4d1f61fc34af3cd1;
constexpr uint64_t kTaskDismountAnimal = 0x48e92d3dde23c23a;
constexpr uint64_t kTaskTurnPedToFaceEntity = 0x5ad23d40115353ac;
constexpr uint64_t kTaskMountAnimal = 0x92db0739813c5186;
constexpr uint64_t kTaskWalkAway = 0x04acfac71e6858f9;
constexpr uint64_t kGetScriptTaskStatus = 0x77f1beb8863288d5;
constexpr uint64_t kTaskStandStill = 0x919be13eed931959;
constexpr uint64_t kTaskUseNearestScenarioToCoord = 0x322bfdea666e2b0e;
constexpr uint64_t kTaskSetCrouchMovement = 0x17293c633c8ac019;
} // namespace

void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading) {
    StartScenarioInPlace(ped, scenario, durationMs, playEnter, conditional, heading, true);
}

void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading, bool flag) {
    Invoke(kTaskStartScenarioInPlaceHash, ped, scenario, durationMs, playEnter, conditional,
           heading, flag);
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

void TaskStandStill(Ped ped, int32_t durationMs) {
    Invoke(kTaskStandStill, ped, durationMs);
}

void TaskUseNearestScenarioToPoint(Ped ped, const Vector3& point, float radius, int32_t durationMs,
                                   bool a, bool b, bool c, bool d) {
    Invoke(kTaskUseNearestScenarioToCoord, ped, point.x, point.y, point.z, radius, durationMs, a, b,
           c, d);
}

void TaskSwapWeapon(Ped ped, int32_t a, int32_t b, int32_t c, int32_t d) {
    Invoke(kTaskSwapWeapon, ped, a, b, c, d);
}

void TaskLookAtPoint(Ped ped, const Vector3& point, int32_t durationMs, int32_t flags,
                     int32_t priority, bool flag) {
    Invoke(kTaskLookAtCoord, ped, point.x, point.y, point.z, durationMs, flags, priority, flag);
}

void TaskClearLookAt(Ped ped) {
    Invoke(kTaskClearLookAt, ped);
}

void TaskAimAtPoint(Ped ped, const Vector3& point, int32_t durationMs, bool a, bool b) {
    Invoke(kTaskAimGunAtCoord, ped, point.x, point.y, point.z, durationMs, a, b);
}

void TaskTurnToFacePoint(Ped ped, const Vector3& point, int32_t durationMs) {
    Invoke(kTaskTurnPedToFaceCoord, ped, point.x, point.y, point.z, durationMs);
}

void TaskAchieveHeading(Ped ped, float heading, int32_t timeoutMs) {
    Invoke(kTaskAchieveHeading, ped, heading, timeoutMs);
}

void TaskGoToPoint(Ped ped, const Vector3& point, float speed, int32_t timeoutMs, float stopRange,
                   int32_t flags, float finalHeading) {
    Invoke(kTaskFollowNavMeshToCoord, ped, point.x, point.y, point.z, speed, timeoutMs, stopRange,
           flags, finalHeading);
}

void TaskUseScenarioPoint(Ped ped, int32_t point, const char* scenario, int32_t timeoutMs, bool a,
                          bool b, Hash conditional, bool c, float d, bool e) {
    Invoke(kTaskUseScenarioPoint, ped, point, scenario, timeoutMs, a, b, conditional, c, d, e);
}

void TaskSetCrouchMovement(Ped ped, bool crouch, int32_t a, bool b) {
    Invoke(kTaskSetCrouchMovement, ped, crouch, a, b);
}

void TaskFollowEntity(Ped ped, Entity entity, const Vector3& offset, float speed,
                      int32_t timeoutMs, float stopRange) {
    Invoke(kTaskFollowToOffsetOfEntity, ped, entity, offset.x, offset.y, offset.z, speed,
           timeoutMs, stopRange, false, false, false, false, false, false);
}

void TaskScenarioAtPosition(Ped ped, Hash scenario, const Vector3& point, float heading,
                            int32_t durationMs) {
    Invoke(kTaskStartScenarioAtPosition, ped, scenario, point.x, point.y, point.z, heading,
           durationMs, true, false, nullptr, -1.0f, false);
}

void TaskDismountAnimal(Ped ped) {
    Invoke(kTaskDismountAnimal, ped, 1, 0, 0, 0, Ped{0});
}

void TaskTurnToFaceEntity(Ped ped, Entity entity, int32_t durationMs) {
    Invoke(kTaskTurnPedToFaceEntity, ped, entity, durationMs, 0.0f, 0.0f, 0.0f);
}

void TaskMountAnimal(Ped ped, Ped mount, int32_t timeoutMs, int32_t seat, float speed) {
    Invoke(kTaskMountAnimal, ped, mount, timeoutMs, seat, speed, 1, 0, 0);
}

void TaskWalkAway(Ped ped, Entity from) {
    Invoke(kTaskWalkAway, ped, from);
}

int32_t ScriptTaskStatus(Ped ped, Hash task) {
    return Invoke<int32_t>(kGetScriptTaskStatus, ped, task, false);
}

} // namespace corvale
