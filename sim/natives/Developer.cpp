// The natives behind the developer tools and the throw sampler.
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

void RegisterDeveloperNatives(NativeTable& t) {
    t.add(0xa5c38736c426fcb8, "SET_ENTITY_INVINCIBLE", "Entity,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              auto& set = sim.world().developer.invincible;
              if (a.b(1)) set.insert(a.i(0));
              else set.erase(a.i(0));
          });
    t.add(0xb48050d326e9a2f3, "_GET_SADDLE_HORSE_FOR_PLAYER", "Player",
          [](Simulator& sim, const NativeArgs&, NativeResult& r) {
              r.setInt(sim.world().player.horse);
          });
    t.add(0xae663ddd99c8a670, "GET_PLAYER_TARGET_ENTITY", "Player,Entity*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const int32_t e = sim.world().developer.targetedEntity;
              if (e && a.p<int32_t>(1)) *a.p<int32_t>(1) = e;
              r.setBool(e != 0);
          });
    t.add(0xa6817c110b830ead, "GET_ENTITY_PLAYER_IS_FREE_AIMING_AT", "Player,Entity*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const int32_t e = sim.world().developer.aimedEntity;
              if (e && a.p<int32_t>(1)) *a.p<int32_t>(1) = e;
              r.setBool(e != 0);
          });
    t.add(0x44db62727762fd9b, "DECOR_GET_INT", "Entity,const char*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const auto& d = sim.world().developer.decorations;
              auto it = d.find({a.i(0), a.s(1) ? a.s(1) : ""});
              r.setInt(it == d.end() ? 0 : it->second);
          });
    t.add(0xfeca2081f61ed2cd, "_SET_INTERACTION_LOCKON_FLAG", "Ped,Player,int,BOOL",
          [](Simulator&, const NativeArgs&, NativeResult&) {});
    t.add(0x3b882a96ea77d5b1, "CLEAR_AREA", "float,float,float,float,int",
          [](Simulator& sim, const NativeArgs&, NativeResult&) {
              ++sim.world().developer.areasCleared;
          });
    t.add(0xb190bca3f4042f95, "_ADD_AMMO_TO_PED", "Ped,Hash,int,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (a.i(0) == sim.world().player.ped) sim.world().developer.ammo[a.u(1)] += a.i(2);
          });
    t.add(0x106a811c6d3035f3, "_ADD_AMMO_TO_PED_BY_TYPE", "Ped,Hash,int,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (a.i(0) == sim.world().player.ped) sim.world().developer.ammo[a.u(1)] += a.i(2);
          });
    t.add(0x28a4bd2cee236e19, "SET_MAX_WANTED_LEVEL", "int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().developer.maxWantedLevel = a.i(0);
          });
    t.add(0xc1b1e9a034a63a62, "SETTIMERA", "int",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              sim.world().developer.scriptTimerA = a.i(0);
          });
    t.add(0x34616828cd07f1a1, "IS_PED_SHOOTING", "Ped",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const World& w = sim.world();
              r.setBool(a.i(0) == w.player.ped && w.player.shootingFrame == w.frame);
          });
    // Thrown weapons are the ones named WEAPON_THROWN_*.
    t.add(0x5809dbca0a37c82b, "_IS_WEAPON_SILENT", "Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const auto& names = sim.world().hashNames;
              auto it = names.find(a.u(0));
              r.setBool(it != names.end() && it->second.rfind("WEAPON_THROWN_", 0) == 0);
          });
}

} // namespace sim
