// Ped tasks: going to points, following, fighting, scenarios, vehicles and mounts, looking
// and aiming. Each is given straight to a ped, or recorded into the open sequence when given
// to ped 0. A task's status says whether it runs (a performed sequence counts as one task).
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "natives/TaskGiving.h"
#include "world/Lifecycle.h"

namespace sim {

namespace {

constexpr int32_t kTaskRunning = 1;
constexpr int32_t kTaskNotRunning = 8;

TaskStep Make(TaskKind kind, const char* scriptTask) {
    TaskStep s;
    s.kind = kind;
    s.scriptTask = GameHash(scriptTask);
    return s;
}

void GoTo(Call& c) {
    TaskStep s = Make(TaskKind::GoTo, "SCRIPT_TASK_FOLLOW_NAV_MESH_TO_COORD");
    s.point = c.vec(1);
    s.speed = c.f(4);
    s.finalHeading = c.f(8) >= 0 && c.f(8) < 40000 ? c.f(8) : -1;
    GiveTask(c, s);
}

void FollowOffset(Call& c) {
    TaskStep s = Make(TaskKind::Follow, "SCRIPT_TASK_FOLLOW_TO_OFFSET_OF_ENTITY");
    s.entity = c.i(1);
    s.offset = c.vec(2);
    s.speed = c.f(5);
    s.durationMs = c.i(6);
    s.range = c.f(7);
    GiveTask(c, s);
}

void Combat(Call& c) {
    TaskStep s = Make(TaskKind::Combat, "SCRIPT_TASK_COMBAT");
    s.entity = c.i(1);
    c.entity(1); // a fight with nobody is traced, and ends at once
    GiveTask(c, s);
}

void ScenarioInPlace(Call& c) {
    TaskStep s = Make(TaskKind::Scenario, "SCRIPT_TASK_START_SCENARIO_IN_PLACE");
    s.scenario = c.u(1);
    s.durationMs = c.i(2);
    GiveTask(c, s);
}

void ScenarioAtPosition(Call& c) {
    TaskStep s = Make(TaskKind::Scenario, "SCRIPT_TASK_START_SCENARIO_AT_POSITION");
    s.scenario = c.u(1);
    s.point = c.vec(2);
    s.hasPoint = true;
    s.finalHeading = c.f(5);
    s.durationMs = c.i(6);
    GiveTask(c, s);
}

// The nearest scenario point near a coordinate: the ped walks there and stays.
void NearestScenario(Call& c) {
    TaskStep s = Make(TaskKind::Scenario, "SCRIPT_TASK_USE_NEAREST_SCENARIO_TO_POS");
    s.scenario = GameHash("WORLD_HUMAN_STAND_WAITING");
    s.point = c.vec(1);
    s.hasPoint = true;
    s.durationMs = c.i(5);
    GiveTask(c, s);
}

// A known point: the ped walks back to it and plays there; an unknown one he plays in place.
void ScenarioPoint(Call& c) {
    TaskStep s = Make(TaskKind::Scenario, "SCRIPT_TASK_USE_SCENARIO_POINT");
    s.scenario = static_cast<uint32_t>(c.i(1));
    s.durationMs = -1;
    auto it = c.w.pedTasks.points.find(c.i(1));
    if (it != c.w.pedTasks.points.end()) {
        s.point = it->second;
        s.hasPoint = true;
        s.pointId = it->first;
    } else {
        s.pointId = c.i(1);
        s.arrived = true;
    }
    GiveTask(c, s);
}

void EnterVehicle(Call& c) {
    TaskStep s = Make(TaskKind::EnterVehicle, "SCRIPT_TASK_ENTER_VEHICLE");
    s.entity = c.i(1);
    s.durationMs = c.i(2);
    s.seat = c.i(3);
    s.speed = c.f(4);
    if (!c.entity(1)) return;
    GiveTask(c, s);
}

void LeaveVehicle(Call& c) {
    TaskStep s = Make(TaskKind::LeaveVehicle, "SCRIPT_TASK_LEAVE_VEHICLE");
    s.entity = c.i(1);
    GiveTask(c, s);
}

void DriveWander(Call& c) {
    TaskStep s = Make(TaskKind::DriveWander, "SCRIPT_TASK_VEHICLE_DRIVE_WANDER");
    s.entity = c.i(1);
    s.speed = c.f(2);
    if (!c.entity(1)) return;
    GiveTask(c, s);
}

void Mount(Call& c) {
    TaskStep s = Make(TaskKind::Mount, "SCRIPT_TASK_MOUNT_ANIMAL");
    s.entity = c.i(1);
    s.speed = c.f(4);
    if (!c.entity(1)) return;
    GiveTask(c, s);
}

void Timed(Call& c, const char* scriptTask, int32_t durationMs, int32_t entity = 0) {
    TaskStep s = Make(TaskKind::Timed, scriptTask);
    s.durationMs = durationMs;
    s.entity = entity;
    GiveTask(c, s);
}

void Instant(Call& c, const char* scriptTask) {
    GiveTask(c, Make(TaskKind::Instant, scriptTask));
}

// Turning to a heading takes one frame here.
void AchieveHeading(Call& c) {
    TaskStep s = Make(TaskKind::Instant, "SCRIPT_TASK_ACHIEVE_HEADING");
    s.finalHeading = c.f(1);
    GiveTask(c, s);
}

int32_t Status(const World& w, int32_t ped, uint32_t scriptTask) {
    auto it = w.pedTasks.of.find(ped);
    if (it == w.pedTasks.of.end()) return kTaskNotRunning;
    const PedTask& t = it->second;
    if (scriptTask == GameHash("SCRIPT_TASK_PERFORM_SEQUENCE"))
        return t.sequenceHandle && (!t.sequenceStarted || t.progress >= 0) ? kTaskRunning
                                                                           : kTaskNotRunning;
    const TaskStep* s = t.current();
    return s && s->scriptTask == scriptTask ? kTaskRunning : kTaskNotRunning;
}

} // namespace

void RegisterTaskNatives(NativeTable& t) {
    t.add(0x15d3a79d4e44b913, "TASK_FOLLOW_NAV_MESH_TO_COORD",
          "Ped,float,float,float,float,int,float,int,float", GoTo);
    t.add(0x304ae42e357b8c7e, "TASK_FOLLOW_TO_OFFSET_OF_ENTITY",
          "Ped,Entity,float,float,float,float,int,float,BOOL,BOOL,BOOL,BOOL,BOOL,BOOL",
          FollowOffset);
    t.add(0xf166e48407bac484, "TASK_COMBAT_PED", "Ped,Ped,int,int", Combat);
    t.add(0x524b54361229154f, "TASK_START_SCENARIO_IN_PLACE_HASH",
          "Ped,Hash,int,BOOL,Hash,float,BOOL", ScenarioInPlace);
    t.add(0x4d1f61fc34af3cd1, "TASK_START_SCENARIO_AT_POSITION",
          "Ped,Hash,float,float,float,float,int,BOOL,BOOL,const char*,float,BOOL",
          ScenarioAtPosition);
    t.add(0x322bfdea666e2b0e, "_TASK_USE_NEAREST_SCENARIO_TO_COORD",
          "Ped,float,float,float,float,int,BOOL,BOOL,BOOL,BOOL", NearestScenario);
    t.add(0xccdae6324b6a821c, "TASK_USE_SCENARIO_POINT",
          "Ped,int,const char*,int,BOOL,BOOL,Hash,BOOL,float,BOOL", ScenarioPoint);
    t.add(0xc20e50aa46d09ca8, "TASK_ENTER_VEHICLE", "Ped,Vehicle,int,int,float,int,Any",
          EnterVehicle);
    t.add(0xd3dbce61a490be02, "TASK_LEAVE_VEHICLE", "Ped,Vehicle,int,Ped", LeaveVehicle);
    t.add(0x480142959d337d00, "TASK_VEHICLE_DRIVE_WANDER", "Ped,Vehicle,float,int", DriveWander);
    t.add(0x92db0739813c5186, "TASK_MOUNT_ANIMAL", "Ped,Ped,int,int,float,int,Any,Any", Mount);
    t.add(0x48e92d3dde23c23a, "TASK_DISMOUNT_ANIMAL", "Ped,int,Any,Any,Any,Ped",
          [](Call& c) { GiveTask(c, Make(TaskKind::Dismount, "SCRIPT_TASK_DISMOUNT_ANIMAL")); });
    t.add(0x04acfac71e6858f9, "TASK_WALK_AWAY", "Ped,Entity", [](Call& c) {
        TaskStep s = Make(TaskKind::WalkAway, "SCRIPT_TASK_WALK_AWAY");
        s.entity = c.i(1);
        GiveTask(c, s);
    });
    t.add(0x919be13eed931959, "TASK_STAND_STILL", "Ped,int",
          [](Call& c) { Timed(c, "SCRIPT_TASK_STAND_STILL", c.i(1)); });
    t.add(0x6671f3eec681bda1, "TASK_AIM_GUN_AT_COORD", "Ped,float,float,float,int,BOOL,BOOL",
          [](Call& c) { Timed(c, "SCRIPT_TASK_AIM_GUN_AT_COORD", c.i(4)); });
    t.add(0x6fa46612594f7973, "TASK_LOOK_AT_COORD", "Ped,float,float,float,int,int,int,BOOL",
          [](Call& c) { Instant(c, "SCRIPT_TASK_LOOK_AT_COORD"); });
    t.add(0x0f804f1db19b9689, "TASK_CLEAR_LOOK_AT", "Ped",
          [](Call& c) { Instant(c, "SCRIPT_TASK_CLEAR_LOOK_AT"); });
    t.add(0x1dda930a0ac38571, "TASK_TURN_PED_TO_FACE_COORD", "Ped,float,float,float,int",
          [](Call& c) { Instant(c, "SCRIPT_TASK_TURN_PED_TO_FACE_COORD"); });
    t.add(0x5ad23d40115353ac, "TASK_TURN_PED_TO_FACE_ENTITY", "Ped,Entity,int,float,float,float",
          [](Call& c) { Instant(c, "SCRIPT_TASK_TURN_PED_TO_FACE_ENTITY"); });
    t.add(0x93b93a37987f1f3d, "TASK_ACHIEVE_HEADING", "Ped,float,int", AchieveHeading);
    t.add(0xa21c51255b205245, "TASK_SWAP_WEAPON", "Ped,Any,Any,Any,Any",
          [](Call& c) { Instant(c, "SCRIPT_TASK_SWAP_WEAPON"); });
    // As a step of a sequence it takes one frame; given to a ped it holds at once.
    t.add(0x17293c633c8ac019, "TASK_SET_CROUCH_MOVEMENT", "Ped,BOOL,Any,BOOL", [](Call& c) {
        if (c.i(0) == 0) return Instant(c, "SCRIPT_TASK_SET_CROUCH_MOVEMENT");
        if (c.ped(0)) c.w.peds.state[c.i(0)].crouchMovement = c.b(1);
    });
    t.add(0xaaa34f8a7cb32098, "CLEAR_PED_TASKS_IMMEDIATELY", "Ped,BOOL,BOOL", [](Call& c) {
        if (c.ped(0)) EndTasks(c.sim, c.i(0), "cleared immediately");
    });
    t.add(0xe1ef3c1216aff2cd, "CLEAR_PED_TASKS", "Ped,BOOL,BOOL", [](Call& c) {
        if (c.ped(0)) EndTasks(c.sim, c.i(0), "cleared");
    });
    t.add(0x77f1beb8863288d5, "GET_SCRIPT_TASK_STATUS", "Ped,Hash,BOOL",
          [](Call& c) { c.r.setInt(Status(c.w, c.i(0), c.u(1))); });
}

} // namespace sim
