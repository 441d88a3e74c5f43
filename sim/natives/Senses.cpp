// What peds see and how they are seen: sight across walls and within a seeing range,
// crouching and cover, the height of an entity over the ground, the event tracker and the
// values a ped's blackboard holds.
#include "Simulator.h"
#include "natives/Families.h"
#include "world/Geometry.h"

namespace sim {

namespace {

constexpr int32_t kCannotSee = 0, kSees = 1, kNotSure = 2;
constexpr float kSureShare = 0.75f; // of the seeing range

bool WallBetween(const World& w, const Vec3& a, const Vec3& b) {
    for (const Wall& wall : w.map.walls)
        if (SegmentsCross(a.x, a.y, b.x, b.y, wall.x1, wall.y1, wall.x2, wall.y2)) return true;
    return false;
}

void CanSee(Call& c) {
    const Entity* observer = c.entity(0);
    const Entity* target = c.entity(1);
    if (!observer || !target || !observer->alive) return c.r.setInt(0);
    auto it = c.w.peds.state.find(c.i(0));
    const float range =
        it == c.w.peds.state.end() ? PedState{}.seeingRange : it->second.seeingRange;
    const float distance = Distance(observer->position, target->position);
    if (distance > range || WallBetween(c.w, observer->position, target->position))
        return c.r.setInt(kCannotSee);
    // Far out in its range the game is not sure yet what it sees.
    c.r.setInt(distance > kSureShare * range ? kNotSure : kSees);
}

} // namespace

void RegisterSenseNatives(NativeTable& t) {
    t.add(0x7f9b9791d4cb71f6, "CAN_PED_SEE_ENTITY", "Ped,Entity,BOOL,BOOL", CanSee);
    t.add(0xf29cf591c4bf6cee, "SET_PED_SEEING_RANGE", "Ped,float", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].seeingRange = c.f(1);
    });
    t.add(0xd5fe956c70ff370b, "GET_PED_CROUCH_MOVEMENT", "Ped", [](Call& c) {
        const World& w = c.w;
        if (c.i(0) == w.player.ped) return c.r.setBool(w.player.crouching);
        auto it = w.peds.state.find(c.i(0));
        c.r.setBool(it != w.peds.state.end() && it->second.crouchMovement);
    });
    t.add(0x60dfd0691a170b88, "IS_PED_IN_COVER", "Ped,BOOL,BOOL",
          [](Call& c) { c.r.setBool(false); }); // nobody hides here
    // The height above the ground under the entity.
    t.add(0x296debc84474b375, "GET_ENTITY_HEIGHT", "Entity,float,float,float,BOOL,BOOL",
          [](Call& c) {
              const Entity* e = c.entity(0);
              c.r.setFloat(e ? e->position.z - c.w.ground.at(e->position) : 0);
          });
    t.add(0xbb1e41dd3d3c6250, "_SET_EVENT_TRACKER_FOR_PED", "Ped,const char*,int", [](Call& c) {
        if (c.entity(0)) c.w.peds.state[c.i(0)].eventTracker = c.s(1) ? c.s(1) : "";
    });
    t.add(0x56e58d4d118fb45e, "_GET_PED_BLACKBOARD_FLOAT", "Ped,const char*", [](Call& c) {
        if (!c.s(1)) return c.fault("no blackboard name");
        auto it = c.w.peds.state.find(c.i(0));
        if (it == c.w.peds.state.end()) return c.r.setFloat(0);
        auto v = it->second.blackboard.find(c.s(1));
        c.r.setFloat(v == it->second.blackboard.end() ? 0 : v->second);
    });
}

} // namespace sim
