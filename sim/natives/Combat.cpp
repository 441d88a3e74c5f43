// Combat: who fights whom, derived from the combat tasks; the player's shots and throws.
// Nobody is hurt unless a scenario kills him.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Fights.h"
#include "natives/Out.h"

namespace sim {

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

namespace {

const uint32_t kUnarmed = GameHash("WEAPON_UNARMED");

} // namespace

void RegisterCombatNatives(NativeTable& t) {
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
    t.add(0x24b100c68c645951, "IS_PED_RELOADING", "Ped",
          [](Call& c) { c.r.setBool(false); }); // nobody reloads here
    t.add(0xbbcce00b381f8482, "IS_PED_FLEEING", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(it != c.w.peds.state.end() && it->second.fleeing);
    });
    t.add(0x34616828cd07f1a1, "IS_PED_SHOOTING", "Ped", [](Call& c) {
        const World& w = c.w;
        c.r.setBool(c.i(0) == w.player.ped && w.player.shootingFrame == w.frame);
    });
    // Thrown weapons are the ones named WEAPON_THROWN_*.
    t.add(0x30e7c16b12da8211, "_IS_WEAPON_THROWABLE", "Hash",
          [](Call& c) { c.r.setBool(NameOf(c.w, c.u(0)).rfind("WEAPON_THROWN_", 0) == 0); });
}

} // namespace sim
