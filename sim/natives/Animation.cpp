// Animation dictionaries and animations played on peds and entities.
#include "Hash.h"
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/TaskGiving.h"

namespace sim {

namespace {

uint32_t NameHash(const char* name) {
    return GameHash(name ? name : "");
}

// Records the animation when its dictionary is loaded; the game plays nothing otherwise.
bool Play(Simulator& sim, int32_t entity, const char* dict, const char* anim) {
    World& w = sim.world();
    if (!dict || !anim) {
        sim.fault("animation native without dictionary or animation name");
        return false;
    }
    if (!w.entity(entity)) return false;
    if (!w.streaming.loaded(NameHash(dict), w.frame)) {
        sim.trace(std::string("anim ") + dict + "/" + anim + " not played: dictionary not loaded");
        return false;
    }
    EntityState& s = w.entityStates.of[entity];
    s.animDict = dict;
    s.anim = anim;
    sim.trace("#" + std::to_string(entity) + " plays " + dict + "/" + anim);
    return true;
}

} // namespace

void RegisterAnimationNatives(NativeTable& t) {
    t.add(0x537f44cb0d7f150d, "DOES_ANIM_DICT_EXIST", "const char*",
          [](Call& c) { c.r.setBool(c.w.streaming.missing.count(NameHash(c.s(0))) == 0); });
    t.add(0x27ff6fe8009b40ca, "HAS_ANIM_DICT_LOADED", "const char*",
          [](Call& c) { c.r.setBool(c.w.streaming.loaded(NameHash(c.s(0)), c.w.frame)); });
    t.add(0xa862a2ad321f94b4, "REQUEST_ANIM_DICT", "const char*", [](Call& c) {
        const uint32_t dict = NameHash(c.s(0));
        if (!c.w.streaming.missing.count(dict)) c.w.streaming.request(dict, c.w.frame);
    });
    t.add(0xea47fe3719165b94, "TASK_PLAY_ANIM",
          "Ped,const char*,const char*,float,float,int,int,float,BOOL,int,BOOL,const char*,BOOL",
          [](Call& c) {
              if (c.i(0) != 0) return (void)Play(c.sim, c.i(0), c.s(1), c.s(2));
              // A step of the open sequence: it lasts its duration (5 s for -1), and only
              // a loaded dictionary gives the ped something to play.
              if (!c.s(1) || !c.w.streaming.loaded(NameHash(c.s(1)), c.w.frame))
                  return c.trace(std::string("anim step skipped: dictionary not loaded"));
              TaskStep s;
              s.kind = TaskKind::Timed;
              s.scriptTask = GameHash("SCRIPT_TASK_PLAY_ANIM");
              s.durationMs = c.i(5);
              GiveTask(c, s);
          });
    t.add(0xdc6d22fab76d4874, "PLAY_ENTITY_ANIM",
          "Entity,const char*,const char*,float,BOOL,BOOL,BOOL,float,Any",
          [](Call& c) { c.r.setBool(Play(c.sim, c.i(0), c.s(2), c.s(1))); });
}

} // namespace sim
