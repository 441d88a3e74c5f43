// The natives behind the developer tools: invincibility, targets, ammunition, the wanted cap.
#include "Simulator.h"
#include "natives/Families.h"

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
}

} // namespace sim
