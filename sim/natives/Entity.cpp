// Positions, facing, existence, life and removal of entities.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

#include <cmath>

namespace sim {

namespace {

constexpr float kRadiansPerDegree = 3.14159265358979f / 180.0f;

// Heading 0 faces +y, 90 faces -x.
Vec3 Forward(float heading) {
    const float h = heading * kRadiansPerDegree;
    return Vec3{-std::sin(h), std::cos(h), 0};
}

// The game reports yaw in (-180, 180].
float Yaw(float heading) {
    float yaw = std::fmod(heading, 360.0f);
    if (yaw > 180.0f) yaw -= 360.0f;
    if (yaw <= -180.0f) yaw += 360.0f;
    return yaw;
}

} // namespace

void DeleteThroughHandle(Simulator& sim, int32_t* handle, const char* native) {
    World& w = sim.world();
    if (!handle) return sim.fault(std::string(native) + " with a null handle pointer");
    if (*handle == w.player.ped) return sim.fault(std::string(native) + " of the player's ped");
    if (const Entity* e = w.entity(*handle)) {
        sim.trace(std::string("delete ") + (e->kind == EntityKind::Ped ? "ped " : "object ") +
                  NameOf(w, e->model) + " #" + std::to_string(*handle));
        w.entities.erase(*handle);
        w.entityStates.of.erase(*handle);
        w.peds.state.erase(*handle);
        w.weapons.of.erase(*handle);
    }
    *handle = 0;
}

void RegisterEntityNatives(NativeTable& t) {
    t.add(0xa86d5f069399f44d, "GET_ENTITY_COORDS", "Entity,BOOL,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setVector(e ? e->position : Vec3{});
          });
    t.add(0x2412d9c05bb09b97, "GET_ENTITY_FORWARD_VECTOR", "Entity",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setVector(e ? Forward(e->heading) : Vec3{});
          });
    t.add(0xe09caf86c32cb48f, "GET_ENTITY_ROTATION", "Entity,int",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              const Entity* e = sim.world().entity(a.i(0));
              r.setVector(e ? Vec3{0, 0, Yaw(e->heading)} : Vec3{}); // level: no pitch or roll
          });
    t.add(0xd42bd6eb2e0f1677, "DOES_ENTITY_EXIST", "Entity",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              r.setBool(sim.world().entity(a.i(0)) != nullptr);
          });
    t.add(0x7d5b1f88e7504bba, "IS_ENTITY_DEAD", "Entity",
          [](Simulator& sim, const NativeArgs& a, NativeResult& r) {
              World& w = sim.world();
              const Entity* e = w.entity(a.i(0));
              r.setBool(e && (!e->alive || (a.i(0) == w.player.ped && w.player.dead)));
          });
    t.add(0xcf2b9c0645c4651b, "SET_ENTITY_HEADING", "Entity,float",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (Entity* e = sim.world().entity(a.i(0))) e->heading = a.f(1);
          });
    t.add(0x7d9efb7ad6b19754, "FREEZE_ENTITY_POSITION", "Entity,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().entity(a.i(0))) sim.world().entityStates.of[a.i(0)].frozen = a.b(1);
          });
    t.add(0x1794b4fcc84d812f, "SET_ENTITY_VISIBLE", "Entity,BOOL",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              if (sim.world().entity(a.i(0))) sim.world().entityStates.of[a.i(0)].visible = a.b(1);
          });
    t.add(0x4cd38c78bd19a497, "DELETE_ENTITY", "Entity*",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              DeleteThroughHandle(sim, a.p<int32_t>(0), "DELETE_ENTITY");
          });
    // The game removes a released entity when nobody looks; here it stays, marked.
    t.add(0x4971d2f8162b9674, "SET_ENTITY_AS_NO_LONGER_NEEDED", "Entity*",
          [](Simulator& sim, const NativeArgs& a, NativeResult&) {
              int32_t* handle = a.p<int32_t>(0);
              if (!handle) return sim.fault("SET_ENTITY_AS_NO_LONGER_NEEDED with a null handle pointer");
              if (sim.world().entity(*handle)) {
                  sim.world().entityStates.of[*handle].released = true;
                  sim.trace("release #" + std::to_string(*handle));
              }
              *handle = 0;
          });
}

} // namespace sim
