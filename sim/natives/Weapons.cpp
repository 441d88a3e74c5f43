// Weapons: what a ped owns, holds or hides, where the player's last shot or throw landed,
// which weapons are guns.
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
    t.add(0x3a87e44bb9a01d54, "GET_CURRENT_PED_WEAPON", "Ped,Hash*,BOOL,int,BOOL", [](Call& c) {
        World& w = c.w;
        if (!w.entity(c.i(0))) return c.r.setBool(false);
        const uint32_t weapon = Current(w, c.i(0));
        if (void* out = c.p<void>(1)) WriteU32(out, weapon);
        c.r.setBool(true);
    });
    t.add(0x6c4d0409ba1a2bc2, "GET_PED_LAST_WEAPON_IMPACT_COORD", "Ped,Vector3*", [](Call& c) {
        World& w = c.w;
        const bool now = c.i(0) == w.player.ped && w.weapons.impactFrame != 0 &&
                         w.weapons.impactFrame == w.frame;
        if (now)
            if (void* out = c.p<void>(1)) WriteVector(out, w.weapons.impact);
        c.r.setBool(now);
    });
    t.add(0x8decb02f88f428bc, "HAS_PED_GOT_WEAPON", "Ped,Hash,int,BOOL",
          [](Call& c) { c.r.setBool(c.w.entity(c.i(0)) && Owns(c.w, c.i(0), c.u(1))); });
    t.add(0xb282dc6ebd803c75, "GIVE_DELAYED_WEAPON_TO_PED", "Ped,Hash,int,BOOL,Hash", [](Call& c) {
        World& w = c.w;
        if (!w.entity(c.i(0))) return;
        w.weapons.of[c.i(0)].ammo[c.u(1)] += c.i(2);
        c.sim.trace("#" + std::to_string(c.i(0)) + " given " + NameOf(w, c.u(1)));
    });
    t.add(0xadf692b254977c0c, "SET_CURRENT_PED_WEAPON", "Ped,Hash,BOOL,int,BOOL,BOOL", [](Call& c) {
        World& w = c.w;
        if (w.entity(c.i(0)) && Owns(w, c.i(0), c.u(1))) Current(w, c.i(0)) = c.u(1);
    });
    // The owned weapon with the most ammunition; unarmed when none.
    t.add(0x8483e98e8b888ae2, "GET_BEST_PED_WEAPON", "Ped,BOOL,BOOL", [](Call& c) {
        World& w = c.w;
        uint32_t best = kUnarmed;
        int32_t most = -1;
        auto it = w.weapons.of.find(c.i(0));
        if (it != w.weapons.of.end())
            for (const auto& [weapon, ammo] : it->second.ammo)
                if (weapon != kUnarmed && ammo > most) best = weapon, most = ammo;
        c.r.setU32(best);
    });
    t.add(0x705be297eebdb95d, "IS_WEAPON_A_GUN", "Hash", [](Call& c) {
        static const char* const kGuns[] = {"WEAPON_REVOLVER_CATTLEMAN",
                                            "WEAPON_REVOLVER_SCHOFIELD",
                                            "WEAPON_REVOLVER_DOUBLEACTION",
                                            "WEAPON_REVOLVER_LEMAT",
                                            "WEAPON_PISTOL_VOLCANIC",
                                            "WEAPON_PISTOL_MAUSER",
                                            "WEAPON_PISTOL_SEMIAUTO",
                                            "WEAPON_REPEATER_CARBINE",
                                            "WEAPON_REPEATER_WINCHESTER",
                                            "WEAPON_REPEATER_HENRY",
                                            "WEAPON_RIFLE_SPRINGFIELD",
                                            "WEAPON_RIFLE_BOLTACTION",
                                            "WEAPON_RIFLE_VARMINT",
                                            "WEAPON_SHOTGUN_DOUBLEBARREL",
                                            "WEAPON_SHOTGUN_PUMP",
                                            "WEAPON_SHOTGUN_SAWEDOFF",
                                            "WEAPON_SNIPERRIFLE_ROLLINGBLOCK",
                                            "WEAPON_SNIPERRIFLE_CARCANO"};
        bool gun = false;
        for (const char* name : kGuns)
            gun = gun || GameHash(name) == c.u(0);
        c.r.setBool(gun);
    });
    t.add(0xfccc886ede3c63ec, "_HIDE_PED_WEAPONS", "Ped,int,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].hiddenWeapons = c.i(1);
    });
}

} // namespace sim
