// The natives behind the developer tools and the throw sampler.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

void RegisterDeveloperNatives(NativeTable& t) {
    t.add(0xa5c38736c426fcb8, "SET_ENTITY_INVINCIBLE", "Entity,BOOL", [](Call& c) {
        auto& set = c.w.developer.invincible;
        if (c.b(1))
            set.insert(c.i(0));
        else
            set.erase(c.i(0));
    });
    t.add(0xb48050d326e9a2f3, "_GET_SADDLE_HORSE_FOR_PLAYER", "Player",
          [](Call& c) { c.r.setInt(c.w.player.horse); });
    t.add(0xae663ddd99c8a670, "GET_PLAYER_TARGET_ENTITY", "Player,Entity*", [](Call& c) {
        const int32_t e = c.w.developer.targetedEntity;
        if (e && c.p<int32_t>(1)) *c.p<int32_t>(1) = e;
        c.r.setBool(e != 0);
    });
    t.add(0xa6817c110b830ead, "GET_ENTITY_PLAYER_IS_FREE_AIMING_AT", "Player,Entity*", [](Call& c) {
        const int32_t e = c.w.developer.aimedEntity;
        if (e && c.p<int32_t>(1)) *c.p<int32_t>(1) = e;
        c.r.setBool(e != 0);
    });
    t.add(0x44db62727762fd9b, "DECOR_GET_INT", "Entity,const char*", [](Call& c) {
        const auto& d = c.w.developer.decorations;
        auto it = d.find({c.i(0), c.s(1) ? c.s(1) : ""});
        c.r.setInt(it == d.end() ? 0 : it->second);
    });
    t.add(0x0b253d644e3c36b3, "DECOR_REGISTER", "const char*,int", [](Call& c) {
        if (!c.s(0)) return c.fault("no decoration name");
        c.w.developer.decorationTypes[c.s(0)] = c.i(1);
    });
    t.add(0xe88f4d7f52a6090f, "DECOR_SET_INT", "Entity,const char*,int", [](Call& c) {
        if (!c.s(1)) return c.fault("no decoration name");
        if (!c.w.developer.decorationTypes.count(c.s(1)))
            c.trace(std::string("decoration ") + c.s(1) + " set before it was registered");
        if (!c.entity(0)) return c.r.setBool(false);
        c.w.developer.decorations[{c.i(0), c.s(1)}] = c.i(2);
        c.r.setBool(true);
    });
    t.add(0xfeca2081f61ed2cd, "_SET_INTERACTION_LOCKON_FLAG", "Ped,Player,int,BOOL", [](Call&) {});
    t.add(0x3b882a96ea77d5b1, "CLEAR_AREA", "float,float,float,float,int",
          [](Call& c) { ++c.w.developer.areasCleared; });
    t.add(0xb190bca3f4042f95, "_ADD_AMMO_TO_PED", "Ped,Hash,int,Hash", [](Call& c) {
        if (c.i(0) == c.w.player.ped) c.w.developer.ammo[c.u(1)] += c.i(2);
    });
    t.add(0x106a811c6d3035f3, "_ADD_AMMO_TO_PED_BY_TYPE", "Ped,Hash,int,Hash", [](Call& c) {
        if (c.i(0) == c.w.player.ped) c.w.developer.ammo[c.u(1)] += c.i(2);
    });
    t.add(0x28a4bd2cee236e19, "SET_MAX_WANTED_LEVEL", "int",
          [](Call& c) { c.w.developer.maxWantedLevel = c.i(0); });
    t.add(0xc1b1e9a034a63a62, "SETTIMERA", "int",
          [](Call& c) { c.w.developer.scriptTimerA = c.i(0); });
    t.add(0x34616828cd07f1a1, "IS_PED_SHOOTING", "Ped", [](Call& c) {
        const World& w = c.w;
        c.r.setBool(c.i(0) == w.player.ped && w.player.shootingFrame == w.frame);
    });
    // Thrown weapons are the ones named WEAPON_THROWN_*.
    t.add(0x30e7c16b12da8211, "_IS_WEAPON_THROWABLE", "Hash", [](Call& c) {
        c.r.setBool(NameOf(c.w, c.u(0)).rfind("WEAPON_THROWN_", 0) == 0);
    });
}

} // namespace sim
