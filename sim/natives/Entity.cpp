// Positions, facing, existence, life, proofs and removal of entities.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "world/Lifecycle.h"

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
        const char* kind = e->kind == EntityKind::Ped       ? "ped "
                           : e->kind == EntityKind::Vehicle ? "vehicle "
                                                            : "object ";
        sim.trace(std::string("delete ") + kind + NameOf(w, e->model) + " #" +
                  std::to_string(*handle));
        RemoveEntity(sim, *handle);
    } else {
        sim.trace(std::string(native) + " of unknown entity #" + std::to_string(*handle));
    }
    *handle = 0;
}

void RegisterEntityNatives(NativeTable& t) {
    t.add(0xa86d5f069399f44d, "GET_ENTITY_COORDS", "Entity,BOOL,BOOL", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        c.r.setVector(e ? e->position : Vec3{});
    });
    t.add(0x2412d9c05bb09b97, "GET_ENTITY_FORWARD_VECTOR", "Entity", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        c.r.setVector(e ? Forward(e->heading) : Vec3{});
    });
    t.add(0xe09caf86c32cb48f, "GET_ENTITY_ROTATION", "Entity,int", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        c.r.setVector(e ? Vec3{0, 0, Yaw(e->heading)} : Vec3{}); // level: no pitch or roll
    });
    t.add(0xd42bd6eb2e0f1677, "DOES_ENTITY_EXIST", "Entity",
          [](Call& c) { c.r.setBool(c.w.entity(c.i(0)) != nullptr); });
    t.add(0x7d5b1f88e7504bba, "IS_ENTITY_DEAD", "Entity", [](Call& c) {
        World& w = c.w;
        const Entity* e = w.entity(c.i(0));
        c.r.setBool(e && (!e->alive || (c.i(0) == w.player.ped && w.player.dead)));
    });
    t.add(0x1794b4fcc84d812f, "SET_ENTITY_VISIBLE", "Entity,BOOL", [](Call& c) {
        if (c.w.entity(c.i(0))) c.w.entityStates.of[c.i(0)].visible = c.b(1);
    });
    t.add(0xc230dd956e2f5507, "GET_ENTITY_HEADING", "Entity", [](Call& c) {
        const Entity* e = c.entity(0);
        c.r.setFloat(e ? e->heading : 0);
    });
    // Teleports; a seated ped gets off first, as the game pulls him out of the seat.
    t.add(0x06843da7060a026b, "SET_ENTITY_COORDS", "Entity,float,float,float,BOOL,BOOL,BOOL,BOOL",
          [](Call& c) {
              Entity* e = c.entity(0);
              if (!e) return;
              c.w.vehicles.unseat(c.i(0));
              e->position = c.vec(1);
          });
    t.add(0xac2767ed8bdfab15, "SET_ENTITY_HEALTH", "Entity,int,Entity", [](Call& c) {
        if (!c.entity(0)) return;
        EntityState& state = c.w.entityStates.of[c.i(0)];
        state.health = c.i(1);
        if (c.i(1) > state.maxHealth) state.maxHealth = c.i(1);
        if (c.i(1) <= 0) KillEntity(c.sim, c.i(0), "health set to 0");
    });
    // Health as a fraction of full health; a dead or missing entity has none.
    t.add(0x96c638784db4c815, "_GET_ENTITY_HEALTH_FLOAT", "Entity", [](Call& c) {
        const Entity* e = c.w.entity(c.i(0));
        if (!e || !e->alive) return c.r.setFloat(0);
        auto it = c.w.entityStates.of.find(c.i(0));
        if (it == c.w.entityStates.of.end() || it->second.maxHealth <= 0) return c.r.setFloat(1);
        c.r.setFloat(static_cast<float>(it->second.health) /
                     static_cast<float>(it->second.maxHealth));
    });
    t.add(0x4cd38c78bd19a497, "DELETE_ENTITY", "Entity*",
          [](Call& c) { DeleteThroughHandle(c.sim, c.p<int32_t>(0), "DELETE_ENTITY"); });
    // The game removes a released entity when nobody looks; here it stays, marked.
    t.add(0x4971d2f8162b9674, "SET_ENTITY_AS_NO_LONGER_NEEDED", "Entity*", [](Call& c) {
        int32_t* handle = c.p<int32_t>(0);
        if (!handle)
            return c.sim.fault("SET_ENTITY_AS_NO_LONGER_NEEDED with a null handle pointer");
        if (c.w.entity(*handle)) {
            c.w.entityStates.of[*handle].released = true;
            c.sim.trace("release #" + std::to_string(*handle));
        } else {
            c.trace("release of unknown entity #" + std::to_string(*handle));
        }
        *handle = 0;
    });
    t.add(0xfaee099c6f890bb8, "SET_ENTITY_PROOFS", "Entity,int,BOOL", [](Call& c) {
        if (!c.entity(0)) return;
        EntityState& e = c.w.entityStates.of[c.i(0)];
        e.proofs = c.i(1);
        e.proofsOn = c.b(2);
    });
    t.add(0xcc0ef140f99365c5, "DELETE_PED", "Ped*",
          [](Call& c) { DeleteThroughHandle(c.sim, c.p<int32_t>(0), "DELETE_PED"); });
}

} // namespace sim
