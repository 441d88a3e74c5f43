#pragma once
// How entities leave the world or die, with everything that goes with them: their tasks,
// their blips, their seats. Shared by the natives and the scenario commands.
#include "world/Vec3.h"

#include <cstdint>
#include <string>

namespace sim {

class Simulator;
struct TaskStep;

// Removes an entity from the world; blips on it go with it.
void RemoveEntity(Simulator& sim, int32_t handle);
// A ped dies (or a vehicle or object is destroyed): its tasks end, it gets off its seat.
void KillEntity(Simulator& sim, int32_t handle, const std::string& why);
// Ends every task of a ped.
void EndTasks(Simulator& sim, int32_t ped, const std::string& why);
// Seats a ped in a vehicle: the seat asked for, or the first free one; false when full.
bool SeatPed(Simulator& sim, int32_t ped, int32_t vehicle, int32_t seat);
// Every living ped within radius of centre, the source excepted, notices an AI event.
void NoticeAround(Simulator& sim, const Vec3& centre, float radius, uint32_t type, int32_t source);
// Describes a task for the timeline.
std::string DescribeTask(const TaskStep& step);

} // namespace sim
