#pragma once
// Ped tasks: scenarios played in place, vehicles entered, left and driven, fights, and tasks
// cleared. Time-outs are milliseconds, -1 meaning none.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Plays the scenario where the ped stands for durationMs (-1: until cleared); the ped walks
// into it when playEnter is set. conditional is the game's scenario condition (1: any).
void StartScenarioInPlace(Ped ped, Hash scenario, int32_t durationMs, bool playEnter,
                          Hash conditional, float heading);
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

} // namespace corvale
