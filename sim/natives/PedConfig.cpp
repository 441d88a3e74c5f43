// Natives that only configure how the game plays a ped: voice, outfit, relationship group,
// prompt name, scenario exits. Each records what it was given on the ped.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

PedState* State(Call& c) {
    return c.entity(0) ? &c.w.peds.state[c.i(0)] : nullptr;
}

// The ped leaves the scenario it plays; the game answers whether it had one to leave.
void ExitScenario(Call& c) {
    PedState* p = State(c);
    if (!p) return c.r.setBool(false);
    p->exits.push_back(c.f(1));
    const bool playing = c.w.pedTasks.scenario(c.i(0)) != 0;
    if (playing) {
        PedTask& t = c.w.pedTasks.of[c.i(0)];
        t.scenario = 0;
        if (t.direct.kind == TaskKind::Scenario) t.direct = TaskStep{};
    }
    c.r.setBool(playing);
}

} // namespace

void RegisterPedConfigNatives(NativeTable& t) {
    t.add(0xc80a74ac829ddd92, "SET_PED_RELATIONSHIP_GROUP_HASH", "Ped,Hash", [](Call& c) {
        if (PedState* p = State(c)) p->relationship = c.u(1);
    });
    t.add(0x6c8065a3b780185b, "SET_AMBIENT_VOICE_NAME", "Ped,const char*", [](Call& c) {
        if (PedState* p = State(c)) p->voice = c.s(1) ? c.s(1) : "";
    });
    t.add(0x77ff8d35eec6bbc4, "_EQUIP_META_PED_OUTFIT_PRESET", "Ped,int,BOOL", [](Call& c) {
        if (PedState* p = State(c)) p->outfitPreset = c.i(1);
    });
    t.add(0xd3a7b003ed343fd9, "_APPLY_SHOP_ITEM_TO_PED", "Ped,Hash,BOOL,BOOL,BOOL", [](Call& c) {
        if (PedState* p = State(c)) p->shopItems.push_back(c.u(1));
    });
    t.add(0x4a48b6e03babb4ac, "_SET_PED_PROMPT_NAME", "Ped,const char*", [](Call& c) {
        PedState* p = State(c);
        if (!p) return;
        const std::string* text = c.w.texts.resolve(c.raw(1));
        p->promptName = text ? *text : c.s(1) ? c.s(1) : "";
    });
    t.add(0xfccc886ede3c63ec, "_HIDE_PED_WEAPONS", "Ped,int,BOOL", [](Call& c) {
        if (PedState* p = State(c)) p->hiddenWeapons = c.i(1);
    });
    t.add(0xfaee099c6f890bb8, "SET_ENTITY_PROOFS", "Entity,int,BOOL", [](Call& c) {
        if (!c.entity(0)) return;
        EntityState& e = c.w.entityStates.of[c.i(0)];
        e.proofs = c.i(1);
        e.proofsOn = c.b(2);
    });
    t.add(0xcbd9ec60495c728c, "_ACTIVATE_COMPANION_ANALYSIS", "int",
          [](Call& c) { c.trace("companion analysis " + std::to_string(c.i(0))); });
    t.add(0x463803429297117c, "SET_PED_SHOULD_PLAY_QUICK_SCENARIO_EXIT",
          "Ped,float,float,float,int,BOOL", ExitScenario);
    t.add(0x802092b07e3b1eea, "SET_PED_SHOULD_PLAY_COMBAT_SCENARIO_EXIT",
          "Ped,float,float,float,int", ExitScenario);
    t.add(0xfe07ff6495d52e2a, "SET_PED_PANIC_EXIT_SCENARIO", "Ped,float,float,float", ExitScenario);
    t.add(0xb980061da992779d, "IS_PED_HUMAN", "Ped", [](Call& c) {
        const Entity* e = c.w.ped(c.i(0));
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(e && (it == c.w.peds.state.end() || it->second.human));
    });
    t.add(0x3aa24ccc0d451379, "IS_PED_HOGTIED", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(it != c.w.peds.state.end() && it->second.hogtied);
    });
}

void RegisterMountNatives(NativeTable& t) {
    t.add(0x028f76b6e78246eb, "SET_PED_ONTO_MOUNT", "Ped,Ped,int,BOOL", [](Call& c) {
        Entity* rider = c.entity(0);
        Entity* horse = c.entity(1);
        if (!rider || !horse) return;
        c.w.peds.state[c.i(0)].mount = c.i(1);
        rider->position = horse->position;
        c.trace("#" + std::to_string(c.i(0)) + " put on mount #" + std::to_string(c.i(1)));
    });
    t.add(0x460bc76a0e10655e, "IS_PED_ON_MOUNT", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(it != c.w.peds.state.end() && it->second.mount != 0);
    });
    t.add(0xe7e11b8dcbed1058, "GET_MOUNT", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setInt(it == c.w.peds.state.end() ? 0 : it->second.mount);
    });
    t.add(0x01fee67db37f59b2, "IS_PED_ON_FOOT", "Ped", [](Call& c) {
        const World& w = c.w;
        auto it = w.peds.state.find(c.i(0));
        const bool mounted = it != w.peds.state.end() && it->second.mount != 0;
        c.r.setBool(w.ped(c.i(0)) && !mounted && w.vehicles.seatOf(c.i(0)) == 0);
    });
    t.add(0xf89aa2bd01fc06b7, "CREATE_PED_ON_MOUNT", "Ped,Hash,int,BOOL,BOOL,BOOL,BOOL",
          [](Call& c) {
              World& w = c.w;
              const Entity* horse = c.entity(0);
              if (!horse) return c.r.setInt(0);
              if (!w.streaming.loaded(c.u(1), w.frame)) {
                  c.trace("create ped " + NameOf(w, c.u(1)) + " refused: model not loaded");
                  return c.r.setInt(0);
              }
              const Vec3 at = horse->position;
              const int32_t rider = w.spawn(EntityKind::Ped, c.u(1), at, horse->heading);
              w.entities[rider].byPlugin = true;
              w.peds.state[rider].mount = c.i(0);
              c.trace("spawn ped " + NameOf(w, c.u(1)) + " #" + std::to_string(rider) +
                      " on mount #" + std::to_string(c.i(0)));
              c.r.setInt(rider);
          });
}

} // namespace sim
