// Peds: visibility, scenario tasks, combat, pace, the player's saddle horse.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

Entity* FindPed(Simulator& sim, int32_t handle, const char* what) {
    Entity* e = sim.world().entity(handle);
    if (!e) sim.fault(std::string(what) + " on an unknown entity " + std::to_string(handle));
    return e;
}

} // namespace

void RegisterPedNatives(NativeTable& t) {
    t.add(0x1794b4fcc84d812f, "SET_ENTITY_VISIBLE", "Entity,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Entity* e = FindPed(sim, a.i(0), "set visible")) e->visible = a.b(1);
          });
    t.add(0x524b54361229154f, "TASK_START_SCENARIO_IN_PLACE_HASH",
          "Ped,Hash,int,BOOL,Hash,float,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Entity* e = FindPed(sim, a.i(0), "scenario task")) e->scenario = a.u(1);
          });
    t.add(0xaaa34f8a7cb32098, "CLEAR_PED_TASKS_IMMEDIATELY", "Ped,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Entity* e = FindPed(sim, a.i(0), "clear tasks")) e->scenario = 0;
          });
    t.add(0x4859f1fc66a6278e, "IS_PED_IN_COMBAT", "Ped,Ped",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const World& w = sim.world();
              r.setBool(a.i(0) == w.player.ped && w.player.inCombat);
          });
    t.add(0x433083750c5e064a, "SET_PED_MAX_MOVE_BLEND_RATIO", "Ped,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Entity* e = FindPed(sim, a.i(0), "move blend ratio"))
                  e->maxMoveBlendRatio = a.f(1);
          });
    // The simulated player rides no horse.
    t.add(0xb48050d326e9a2f3, "_GET_SADDLE_HORSE_FOR_PLAYER", "Player",
          [](Simulator&, const NativeArgs&, NativeResult& r) { r.setInt(0); });
}

} // namespace sim
