// Combat: who fights whom, derived from the combat tasks; how peds fight (accuracy,
// attributes). Nobody is hurt unless a scenario kills him.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"

namespace sim {

namespace {

// Living peds whose running task is a fight with target (any target for 0).
std::vector<int32_t> Fighting(const World& w, int32_t target) {
    std::vector<int32_t> out;
    for (const auto& [ped, t] : w.pedTasks.of) {
        const Entity* e = w.entity(ped);
        const TaskStep* s = t.current();
        if (e && e->alive && s && s->kind == TaskKind::Combat &&
            (target == 0 || s->entity == target))
            out.push_back(ped);
    }
    return out;
}

bool InCombat(const World& w, int32_t ped, int32_t target) {
    const Entity* e = w.entity(ped);
    if (!e || !e->alive) return false;
    if (ped == w.player.ped) {
        if (w.player.inCombat) return true;
        for (int32_t enemy : Fighting(w, ped))
            if (target == 0 || enemy == target) return true;
        return false;
    }
    const TaskStep* s = w.pedTasks.current(ped);
    return s && s->kind == TaskKind::Combat && (target == 0 || s->entity == target);
}

const uint32_t kUnarmed = GameHash("WEAPON_UNARMED");

} // namespace

void RegisterCombatNatives(NativeTable& t) {
    t.add(0x4859f1fc66a6278e, "IS_PED_IN_COMBAT", "Ped,Ped",
          [](Call& c) { c.r.setBool(InCombat(c.w, c.i(0), c.i(1))); });
    t.add(0x5407b7288d0478b7, "COUNT_PEDS_IN_COMBAT_WITH_TARGET", "Ped,int",
          [](Call& c) { c.r.setInt(int32_t(Fighting(c.w, c.i(0)).size())); });
    t.add(0x7be607daff382fd2, "_GET_PEDS_IN_COMBAT_WITH_TARGET", "Ped,ItemSet,int", [](Call& c) {
        auto set = c.w.pools.itemSets.inUse.find(c.i(1));
        if (set == c.w.pools.itemSets.inUse.end())
            return c.fault("item set " + std::to_string(c.i(1)) + " does not exist");
        set->second = Fighting(c.w, c.i(0));
        c.r.setInt(int32_t(set->second.size()));
    });
    t.add(0xcd66fea29400a0b5, "GET_CURRENT_TARGET_FOR_PED", "Ped", [](Call& c) {
        const TaskStep* s = c.w.pedTasks.current(c.i(0));
        const Entity* e = c.w.entity(c.i(0));
        c.r.setInt(e && e->alive && s && s->kind == TaskKind::Combat ? s->entity : 0);
    });
    // In this world a fight with bare hands is a melee.
    t.add(0x4e209b2c1ead5159, "IS_PED_IN_MELEE_COMBAT", "Ped", [](Call& c) {
        const World& w = c.w;
        const int32_t ped = c.i(0);
        uint32_t weapon = ped == w.player.ped ? w.player.weapon : kUnarmed;
        if (auto it = w.weapons.of.find(ped); ped != w.player.ped && it != w.weapons.of.end())
            weapon = it->second.current ? it->second.current : kUnarmed;
        c.r.setBool(InCombat(w, ped, 0) && weapon == kUnarmed);
    });
    t.add(0x60dfd0691a170b88, "IS_PED_IN_COVER", "Ped,BOOL,BOOL",
          [](Call& c) { c.r.setBool(false); }); // nobody hides or reloads here
    t.add(0x24b100c68c645951, "IS_PED_RELOADING", "Ped",
          [](Call& c) { c.r.setBool(false); }); // nobody hides or reloads here
    t.add(0xbbcce00b381f8482, "IS_PED_FLEEING", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(it != c.w.peds.state.end() && it->second.fleeing);
    });
    t.add(0x7aefb85c1d49deb6, "SET_PED_ACCURACY", "Ped,int", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].accuracy = c.i(1);
    });
    t.add(0x9f7794730795e019, "SET_PED_COMBAT_ATTRIBUTES", "Ped,int,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].combatAttributes[c.i(1)] = c.b(2);
    });
    t.add(0x9f8aa94d6d97dbf4, "SET_BLOCKING_OF_NON_TEMPORARY_EVENTS", "Ped,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].blockingEvents = c.b(1);
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
}

} // namespace sim
