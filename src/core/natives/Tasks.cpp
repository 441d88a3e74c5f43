#include "core/natives/Tasks.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kTaskStartScenarioInPlaceHash{
    0x524b54361229154f, "TASK_START_SCENARIO_IN_PLACE_HASH", "Ped,Hash,int,BOOL,Hash,float,BOOL"};
constexpr native::Native kClearPedTasksImmediately{0xaaa34f8a7cb32098,
                                                   "CLEAR_PED_TASKS_IMMEDIATELY", "Ped,BOOL,BOOL"};
constexpr native::Native kClearPedTasks{0xe1ef3c1216aff2cd, "CLEAR_PED_TASKS", "Ped,BOOL,BOOL"};
constexpr native::Native kTaskEnterVehicle{0xc20e50aa46d09ca8, "TASK_ENTER_VEHICLE",
                                           "Ped,Vehicle,int,int,float,int,Any"};
constexpr native::Native kTaskLeaveVehicle{0xd3dbce61a490be02, "TASK_LEAVE_VEHICLE",
                                           "Ped,Vehicle,int,Ped"};
constexpr native::Native kTaskVehicleDriveWander{0x480142959d337d00, "TASK_VEHICLE_DRIVE_WANDER",
                                                 "Ped,Vehicle,float,int"};
constexpr native::Native kTaskCombatPed{0xf166e48407bac484, "TASK_COMBAT_PED", "Ped,Ped,int,int"};
constexpr native::Native kTaskSwapWeapon{0xa21c51255b205245, "TASK_SWAP_WEAPON",
                                         "Ped,Any,Any,Any,Any"};
constexpr native::Native kTaskLookAtCoord{0x6fa46612594f7973, "TASK_LOOK_AT_COORD",
                                          "Ped,float,float,float,int,int,int,BOOL"};
constexpr native::Native kTaskClearLookAt{0x0f804f1db19b9689, "TASK_CLEAR_LOOK_AT", "Ped"};
constexpr native::Native kTaskAimGunAtCoord{0x6671f3eec681bda1, "TASK_AIM_GUN_AT_COORD",
                                            "Ped,float,float,float,int,BOOL,BOOL"};
constexpr native::Native kTaskTurnPedToFaceCoord{0x1dda930a0ac38571, "TASK_TURN_PED_TO_FACE_COORD",
                                                 "Ped,float,float,float,int"};
constexpr native::Native kTaskAchieveHeading{0x93b93a37987f1f3d, "TASK_ACHIEVE_HEADING",
                                             "Ped,float,int"};
constexpr native::Native kTaskFollowNavMeshToCoord{
    0x15d3a79d4e44b913, "TASK_FOLLOW_NAV_MESH_TO_COORD",
    "Ped,float,float,float,float,int,float,int,float"};
constexpr native::Native kTaskUseScenarioPoint{
    0xccdae6324b6a821c, "TASK_USE_SCENARIO_POINT",
    "Ped,int,const char*,int,BOOL,BOOL,Hash,BOOL,float,BOOL"};
constexpr native::Native kTaskFollowToOffsetOfEntity{
    0x304ae42e357b8c7e, "TASK_FOLLOW_TO_OFFSET_OF_ENTITY",
    "Ped,Entity,float,float,float,float,int,float,BOOL,BOOL,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kTaskStartScenarioAtPosition{
    0x4d1f61fc34af3cd1, "TASK_START_SCENARIO_AT_POSITION",
    "Ped,Hash,float,float,float,float,int,BOOL,BOOL,const char*,float,BOOL"};
constexpr native::Native kTaskDismountAnimal{0x48e92d3dde23c23a, "TASK_DISMOUNT_ANIMAL",
                                             "Ped,int,Any,Any,Any,Ped"};
constexpr native::Native kTaskTurnPedToFaceEntity{
    0x5ad23d40115353ac, "TASK_TURN_PED_TO_FACE_ENTITY", "Ped,Entity,int,float,float,float"};
constexpr native::Native kTaskMountAnimal{0x92db0739813c5186, "TASK_MOUNT_ANIMAL",
                                          "Ped,Ped,int,int,float,int,Any,Any"};
constexpr native::Native kTaskWalkAway{0x04acfac71e6858f9, "TASK_WALK_AWAY", "Ped,Entity"};
constexpr native::Native kGetScriptTaskStatus{0x77f1beb8863288d5, "GET_SCRIPT_TASK_STATUS",
                                              "Ped,Hash,BOOL"};
constexpr native::Native kTaskStandStill{0x919be13eed931959, "TASK_STAND_STILL", "Ped,int"};
constexpr native::Native kTaskUseNearestScenarioToCoord{
    0x322bfdea666e2b0e, "_TASK_USE_NEAREST_SCENARIO_TO_COORD",
    "Ped,float,float,float,float,int,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kTaskSetCrouchMovement{0x17293c633c8ac019, "TASK_SET_CROUCH_MOVEMENT",
                                                "Ped,BOOL,Any,BOOL"};
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
