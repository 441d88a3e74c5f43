// Ped tasks: scenarios played in place, tasks cleared, combat, the pace a ped is held to.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

// Tasks are given to peds that exist; anything else is a bug in the caller.
bool IsPed(Simulator& sim, int32_t handle, const char* native) {
    const Entity* e = sim.world().entity(handle);
    if (e && e->kind == EntityKind::Ped) return true;
    sim.fault(std::string(native) + " of unknown ped " + std::to_string(handle));
    return false;
}

} // namespace

void RegisterTaskNatives(NativeTable& t) {
    t.add(0x524b54361229154f, "TASK_START_SCENARIO_IN_PLACE_HASH",
          "Ped,Hash,int,BOOL,Hash,float,BOOL", [](Call& c) {
              if (!IsPed(c.sim, c.i(0), "TASK_START_SCENARIO_IN_PLACE_HASH")) return;
              World& w = c.w;
              w.pedTasks.of[c.i(0)].scenario = c.u(1);
              c.sim.trace("#" + std::to_string(c.i(0)) + " plays " + NameOf(w, c.u(1)));
          });
    t.add(0xaaa34f8a7cb32098, "CLEAR_PED_TASKS_IMMEDIATELY", "Ped,BOOL,BOOL", [](Call& c) {
        if (!IsPed(c.sim, c.i(0), "CLEAR_PED_TASKS_IMMEDIATELY")) return;
        c.w.pedTasks.of[c.i(0)].scenario = 0;
    });
    // Only the player fights in this world, when a scenario says so.
    t.add(0x4859f1fc66a6278e, "IS_PED_IN_COMBAT", "Ped,Ped", [](Call& c) {
        const World& w = c.w;
        c.r.setBool(c.i(0) == w.player.ped && w.player.inCombat);
    });
    t.add(0x433083750c5e064a, "SET_PED_MAX_MOVE_BLEND_RATIO", "Ped,float", [](Call& c) {
        if (!IsPed(c.sim, c.i(0), "SET_PED_MAX_MOVE_BLEND_RATIO")) return;
        PedTask& task = c.w.pedTasks.of[c.i(0)];
        task.maxMoveBlendRatio = c.f(1);
        task.paceLimitFrame = c.w.frame;
    });
}

} // namespace sim
