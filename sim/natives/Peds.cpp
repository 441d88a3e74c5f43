// Peds: creation, on foot or on a horse; what configures how the game plays them; what they
// are, say and do; pace and scenarios; the peds around a ped.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Fights.h"
#include "natives/Out.h"

namespace sim {

namespace {

void CreatePed(Call& c) {
    World& w = c.w;
    const uint32_t model = c.u(0);
    if (!w.streaming.loaded(model, w.frame)) {
        c.sim.trace("create ped " + NameOf(w, model) + " refused: model not loaded");
        return c.r.setInt(0);
    }
    const int32_t ped = w.spawn(EntityKind::Ped, model, c.vec(1), c.f(4));
    w.entities[ped].byPlugin = true;
    w.peds.state[ped].relationship = GameHash("REL_CIVMALE");
    c.sim.trace("spawn ped " + NameOf(w, model) + " #" + std::to_string(ped) + " at " +
                Describe(c.vec(1)) + " heading " + std::to_string(static_cast<int>(c.f(4))));
    c.r.setInt(ped);
}

// The rider is created in the saddle of the horse in argument 0.
void CreatePedOnMount(Call& c) {
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
    c.trace("spawn ped " + NameOf(w, c.u(1)) + " #" + std::to_string(rider) + " on mount #" +
            std::to_string(c.i(0)));
    c.r.setInt(rider);
}

void PlaySpeech(Call& c) {
    World& w = c.w;
    const uint64_t* block = c.p<const uint64_t>(1);
    if (!block) return c.sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE with no parameter block");
    const auto* line = reinterpret_cast<const char*>(block[0]);
    const auto* voice = reinterpret_cast<const char*>(block[1]);
    if (!line || !voice)
        return c.sim.fault("PLAY_PED_AMBIENT_SPEECH_NATIVE without line or voice text");
    if (!w.entity(c.i(0))) return c.r.setBool(false);
    w.peds.said.push_back(SpokenLine{c.i(0), line, voice});
    w.peds.state[c.i(0)].speakingUntil = w.frame + w.peds.speechFrames;
    c.sim.trace("#" + std::to_string(c.i(0)) + " says " + line);
    c.r.setBool(true);
}

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

// The caller's sized array: capacity in the low 32 bits of slot 0, one handle per 8-byte slot
// after it. Peds within the radius of the ped, itself excluded, in the order they were created.
void NearbyPeds(Call& c) {
    World& w = c.w;
    auto* array = c.p<uint64_t>(1);
    const Entity* self = w.entity(c.i(0));
    if (!array) return c.sim.fault("GET_PED_NEARBY_PEDS with no array");
    if (!self) return c.r.setInt(0);
    const int32_t capacity = static_cast<int32_t>(static_cast<uint32_t>(array[0]));
    const float r2 = w.peds.nearbyRadius * w.peds.nearbyRadius;
    int32_t count = 0;
    for (const auto& [handle, e] : w.entities) {
        if (count >= capacity) break;
        if (handle == c.i(0) || e.kind != EntityKind::Ped) continue;
        const float dx = e.position.x - self->position.x, dy = e.position.y - self->position.y,
                    dz = e.position.z - self->position.z;
        if (dx * dx + dy * dy + dz * dz > r2) continue;
        WriteU32(&array[1 + count], static_cast<uint32_t>(handle));
        ++count;
    }
    c.r.setInt(count);
}

} // namespace

void RegisterPedNatives(NativeTable& t) {
    // Creation: the model must have loaded.
    t.add(0xd49f9b0955c367de, "CREATE_PED", "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL",
          CreatePed);
    t.add(0xf89aa2bd01fc06b7, "CREATE_PED_ON_MOUNT", "Ped,Hash,int,BOOL,BOOL,BOOL,BOOL",
          CreatePedOnMount);
    // What only configures how the game plays a ped; each is recorded on it.
    t.add(0x1913fe4cbf41c463, "SET_PED_CONFIG_FLAG", "Ped,int,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.peds.state[c.i(0)].configFlags[c.i(1)] = c.b(2);
    });
    t.add(0x283978a15512b2fe, "_SET_RANDOM_OUTFIT_VARIATION", "Ped,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.peds.state[c.i(0)].randomOutfit = c.b(1);
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
    t.add(0xc80a74ac829ddd92, "SET_PED_RELATIONSHIP_GROUP_HASH", "Ped,Hash", [](Call& c) {
        if (PedState* p = State(c)) p->relationship = c.u(1);
    });
    t.add(0x7dbdd04862d95f04, "GET_PED_RELATIONSHIP_GROUP_HASH", "Ped", [](Call& c) {
        World& w = c.w;
        if (c.i(0) == w.player.ped) return c.r.setU32(GameHash("PLAYER"));
        auto it = w.peds.state.find(c.i(0));
        c.r.setU32(it == w.peds.state.end() ? 0 : it->second.relationship);
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
    t.add(0x971d38760fbc02ef, "SET_PED_KEEP_TASK", "Ped,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].keepTask = c.b(1);
    });
    t.add(0x013a7ba5015c1372, "_SET_PED_IGNORE_DEAD_BODIES", "Ped,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].ignoreDeadBodies = c.b(1);
    });
    t.add(0x9de63896b176ea94, "_SET_PED_PATH_MAY_ENTER_DEEP_WATER", "Ped,BOOL", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].mayEnterDeepWater = c.b(1);
    });
    t.add(0x437c08db4febe2bd, "_SET_PED_BLACKBOARD_FLOAT", "Ped,const char*,float,int",
          [](Call& c) {
              if (!c.s(1)) return c.fault("no blackboard name");
              if (c.entity(0)) c.w.peds.state[c.i(0)].blackboard[c.s(1)] = c.f(2);
          });
    // What a ped is and does.
    t.add(0xb980061da992779d, "IS_PED_HUMAN", "Ped", [](Call& c) {
        const Entity* e = c.w.ped(c.i(0));
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(e && (it == c.w.peds.state.end() || it->second.human));
    });
    t.add(0x3aa24ccc0d451379, "IS_PED_HOGTIED", "Ped", [](Call& c) {
        auto it = c.w.peds.state.find(c.i(0));
        c.r.setBool(it != c.w.peds.state.end() && it->second.hogtied);
    });
    t.add(0x4859f1fc66a6278e, "IS_PED_IN_COMBAT", "Ped,Ped",
          [](Call& c) { c.r.setBool(InCombat(c.w, c.i(0), c.i(1))); });
    t.add(0x729072355fa39ec9, "IS_ANY_SPEECH_PLAYING", "Ped", [](Call& c) {
        World& w = c.w;
        auto it = w.peds.state.find(c.i(0));
        c.r.setBool(it != w.peds.state.end() && w.frame < it->second.speakingUntil);
    });
    t.add(0x8e04fedd28d42462, "PLAY_PED_AMBIENT_SPEECH_NATIVE", "Ped,Any*", PlaySpeech);
    t.add(0x23f8f5fc7e8c4a6b, "GET_PED_NEARBY_PEDS", "Ped,Any*,int,int", NearbyPeds);
    // Pace, scenarios and their exits.
    t.add(0x433083750c5e064a, "SET_PED_MAX_MOVE_BLEND_RATIO", "Ped,float", [](Call& c) {
        if (!c.ped(0)) return;
        PedTask& task = c.w.pedTasks.of[c.i(0)];
        task.maxMoveBlendRatio = c.f(1);
        task.paceLimitFrame = c.w.frame;
    });
    // Playing a scenario, or walking to one.
    t.add(0x57ab4a3080f85143, "IS_PED_USING_ANY_SCENARIO", "Ped",
          [](Call& c) { c.r.setBool(c.w.pedTasks.scenario(c.i(0)) != 0); });
    t.add(0xdf7993356f52359a, "_GET_SCENARIO_POINT_PED_IS_USING", "Ped,BOOL", [](Call& c) {
        const TaskStep* s = c.w.pedTasks.current(c.i(0));
        const bool onPoint = s && s->kind == TaskKind::Scenario && s->arrived && s->pointId >= 0;
        c.r.setInt(onPoint ? s->pointId : -1);
    });
    t.add(0x463803429297117c, "SET_PED_SHOULD_PLAY_QUICK_SCENARIO_EXIT",
          "Ped,float,float,float,int,BOOL", ExitScenario);
    t.add(0x802092b07e3b1eea, "SET_PED_SHOULD_PLAY_COMBAT_SCENARIO_EXIT",
          "Ped,float,float,float,int", ExitScenario);
    t.add(0xfe07ff6495d52e2a, "SET_PED_PANIC_EXIT_SCENARIO", "Ped,float,float,float", ExitScenario);
    // Horses ridden.
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
}

} // namespace sim
