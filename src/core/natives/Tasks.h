#pragma once
// Ped tasks. Each is given to a ped, or with ped 0 recorded as a step of the open sequence
// (Sequences.h): scenarios, vehicles entered, left and driven, fights, walks and looks.
// Durations and time-outs are milliseconds, -1 meaning none.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// Scenarios by the game's names.
namespace scenarios {
inline constexpr Hash kGuardScout = 0xF098397E; // "WORLD_HUMAN_GUARD_SCOUT"
} // namespace scenarios

// Plays the scenario where the ped stands for durationMs (-1: until cleared); the ped walks
// into it when playEnter is set. conditional is the game's scenario condition (1: any).
void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading);
// The same with the game's last flag given (the overload above passes true).
void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading, bool flag);
// Ends every task of the ped at once, without an exit animation.
void ClearPedTasksNow(Ped ped);
// Ends the ped's tasks; immediately skips the exit animation.
void ClearPedTasks(Ped ped, bool immediately, bool flag);

// Walks to the vehicle and gets into seat (-1 the driver's), giving up after timeoutMs.
void TaskEnterVehicle(Ped ped, Vehicle vehicle, int32_t timeoutMs, int32_t seat, float speed,
                      int32_t flags);
// flags 0: the ordinary way out.
void TaskLeaveVehicle(Ped ped, Vehicle vehicle, int32_t flags);
// The driver drives about the roads with no end.
void TaskVehicleDriveWander(Ped driver, Vehicle vehicle, float speed, int32_t drivingStyle);
void TaskCombatPed(Ped ped, Ped target, int32_t flags, int32_t threatResponse);
void TaskStandStill(Ped ped, int32_t durationMs);
// Walks to the scenario point nearest the point within radius and plays it for durationMs.
void TaskUseNearestScenarioToPoint(Ped ped, const Vector3& point, float radius, int32_t durationMs,
                                   bool a, bool b, bool c, bool d);

void TaskSwapWeapon(Ped ped, int32_t a, int32_t b, int32_t c, int32_t d);
void TaskLookAtPoint(Ped ped, const Vector3& point, int32_t durationMs, int32_t flags,
                     int32_t priority, bool flag);
void TaskClearLookAt(Ped ped);
// Raises the weapon at the point (the guard's wary look).
void TaskAimAtPoint(Ped ped, const Vector3& point, int32_t durationMs, bool a, bool b);
void TaskTurnToFacePoint(Ped ped, const Vector3& point, int32_t durationMs);
void TaskAchieveHeading(Ped ped, float heading, int32_t timeoutMs);
// Walks (speed 1) or runs on the navigation mesh, arriving facing finalHeading.
void TaskGoToPoint(Ped ped, const Vector3& point, float speed, int32_t timeoutMs, float stopRange,
                   int32_t flags, float finalHeading);
// Goes back to a scenario point and plays it.
void TaskUseScenarioPoint(Ped ped, int32_t point, const char* scenario, int32_t timeoutMs,
                          bool a, bool b, Hash conditional, bool c, float d, bool e);
void TaskSetCrouchMovement(Ped ped, bool crouch, int32_t a, bool b);

// Keeps near the entity at offset, giving up after timeoutMs and stopping within stopRange.
void TaskFollowEntity(Ped ped, Entity entity, const Vector3& offset, float speed,
                      int32_t timeoutMs, float stopRange);
// Walks to the point and plays the scenario there, facing heading, for durationMs.
void TaskScenarioAtPosition(Ped ped, Hash scenario, const Vector3& point, float heading,
                            int32_t durationMs);
void TaskDismountAnimal(Ped ped);
void TaskTurnToFaceEntity(Ped ped, Entity entity, int32_t durationMs);
// Gets on the mount (seat -1: the saddle) at speed, giving up after timeoutMs.
void TaskMountAnimal(Ped ped, Ped mount, int32_t timeoutMs, int32_t seat, float speed);
void TaskWalkAway(Ped ped, Entity from);
// The game's status of a script task of the ped (by the task's name hash): 8 when the ped
// runs no such task.
int32_t ScriptTaskStatus(Ped ped, Hash task);
inline constexpr int32_t kScriptTaskNotRunning = 8;

} // namespace corvale
