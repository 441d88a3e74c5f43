// Weapons: what a ped owns and holds, and where the player's last shot or throw landed.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

const uint32_t kUnarmed = GameHash("WEAPON_UNARMED");

// The player's weapon in hand is the player's own record; other peds keep theirs here.
uint32_t& Current(World& w, int32_t ped) {
    if (ped == w.player.ped) return w.player.weapon;
    PedWeapons& p = w.weapons.of[ped];
    if (p.current == 0) p.current = kUnarmed;
    return p.current;
}

bool Owns(World& w, int32_t ped, uint32_t weapon) {
    if (weapon == kUnarmed) return true;
    auto it = w.weapons.of.find(ped);
    return it != w.weapons.of.end() && it->second.ammo.count(weapon) != 0;
}

} // namespace

void RegisterWeaponNatives(NativeTable& t) {
    t.add(0x3a87e44bb9a01d54, "GET_CURRENT_PED_WEAPON", "Ped,Hash*,BOOL,int,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              if (!w.entity(a.i(0))) return r.setBool(false);
              const uint32_t weapon = Current(w, a.i(0));
              if (void* out = a.p<void>(1)) WriteU32(out, weapon);
              r.setBool(true);
          });
    t.add(0x6c4d0409ba1a2bc2, "GET_PED_LAST_WEAPON_IMPACT_COORD", "Ped,Vector3*",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              const bool now = a.i(0) == w.player.ped && w.weapons.impactFrame != 0 &&
                               w.weapons.impactFrame == w.frame;
              if (now)
                  if (void* out = a.p<void>(1)) WriteVector(out, w.weapons.impact);
              r.setBool(now);
          });
    t.add(0x8decb02f88f428bc, "HAS_PED_GOT_WEAPON", "Ped,Hash,int,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().entity(a.i(0)) && Owns(sim.world(), a.i(0), a.u(1)));
          });
    t.add(0xb282dc6ebd803c75, "GIVE_DELAYED_WEAPON_TO_PED", "Ped,Hash,int,BOOL,Hash",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              if (!w.entity(a.i(0))) return;
              w.weapons.of[a.i(0)].ammo[a.u(1)] += a.i(2);
              sim.trace("#" + std::to_string(a.i(0)) + " given " + NameOf(w, a.u(1)));
          });
    t.add(0xadf692b254977c0c, "SET_CURRENT_PED_WEAPON", "Ped,Hash,BOOL,int,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              World& w = sim.world();
              if (w.entity(a.i(0)) && Owns(w, a.i(0), a.u(1))) Current(w, a.i(0)) = a.u(1);
          });
    // The owned weapon with the most ammunition; unarmed when none.
    t.add(0x8483e98e8b888ae2, "GET_BEST_PED_WEAPON", "Ped,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              uint32_t best = kUnarmed;
              int32_t most = -1;
              auto it = w.weapons.of.find(a.i(0));
              if (it != w.weapons.of.end())
                  for (const auto& [weapon, ammo] : it->second.ammo)
                      if (weapon != kUnarmed && ammo > most) best = weapon, most = ammo;
              r.setU32(best);
          });
}

} // namespace sim
