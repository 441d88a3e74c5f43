// Items in a ped's hands (the map): the intro plays for a few frames, then the item is held
// until the script asks for the outro, which puts it away.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/TaskGiving.h"

namespace sim {

namespace {

// The interaction clips the world knows: their intro, held and outro states.
struct Clip {
    const char* prefix;
};
constexpr Clip kClips[] = {{"DOCUMENT_INSPECT@Paper_W48-2_H32-2_FoldVerticalHorizontal"}};

void Start(Call& c) {
    ItemInteraction i;
    i.item = c.u(1);
    i.object = c.i(2);
    i.intro = c.u(4);
    i.phaseFrame = c.w.frame;
    for (const Clip& clip : kClips) {
        const std::string prefix = clip.prefix;
        if (GameHash(prefix + "_INTRO") != i.intro) continue;
        i.held = GameHash(prefix + "_BASE");
        i.outro = GameHash(prefix + "_OUTRO");
    }
    if (!i.held) c.trace("item interaction with an unknown clip: it never reaches its held state");
    if (c.i(0) == 0) return c.fault("item interaction for ped 0");
    TaskStep s;
    s.kind = TaskKind::ItemInteraction;
    s.scriptTask = GameHash("SCRIPT_TASK_ITEM_INTERACTION_2");
    GiveTask(c, s);
    const Entity* e = c.w.ped(c.i(0));
    if (!e || !e->alive) return;
    c.w.items.of[c.i(0)] = i;
}

} // namespace

void RegisterItemInteractionNatives(NativeTable& t) {
    t.add(0x72f52aa2d2b172cc, "_TASK_ITEM_INTERACTION_2", "Ped,Hash,Object,Hash,Hash,int,Any,float",
          Start);
    t.add(0x6aa3dca2c6f5eb6d, "GET_ITEM_INTERACTION_STATE", "Ped",
          [](Call& c) { c.r.setU32(c.w.items.state(c.i(0))); });
    t.add(0xec7e480ff8bd0bed, "IS_PED_RUNNING_TASK_ITEM_INTERACTION", "Ped",
          [](Call& c) { c.r.setBool(c.w.items.of.count(c.i(0)) != 0); });
    // Asking for the outro puts the item away; other states are the game's own business.
    t.add(0xb35370d5353995cb, "_SET_ITEM_INTERACTION_STATE", "Ped,Hash,float", [](Call& c) {
        auto it = c.w.items.of.find(c.i(0));
        if (it == c.w.items.of.end()) return c.trace("no item interaction to change");
        if (c.u(1) != it->second.outro || it->second.phase == ItemPhase::Outro) return;
        it->second.phase = ItemPhase::Outro;
        it->second.phaseFrame = c.w.frame;
        c.trace("#" + std::to_string(c.i(0)) + " puts the item away");
    });
}

} // namespace sim
