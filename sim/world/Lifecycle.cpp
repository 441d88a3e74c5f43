#include "world/Lifecycle.h"

#include "Simulator.h"
#include "world/Geometry.h"

#include <cstdio>

namespace sim {

namespace {

std::string Handle(int32_t h) {
    return "#" + std::to_string(h);
}

const char* KindName(TaskKind k) {
    switch (k) {
    case TaskKind::None:
        return "none";
    case TaskKind::GoTo:
        return "go to";
    case TaskKind::Follow:
        return "follow";
    case TaskKind::Combat:
        return "combat";
    case TaskKind::Scenario:
        return "scenario";
    case TaskKind::EnterVehicle:
        return "enter vehicle";
    case TaskKind::LeaveVehicle:
        return "leave vehicle";
    case TaskKind::DriveWander:
        return "drive about";
    case TaskKind::Mount:
        return "mount";
    case TaskKind::Dismount:
        return "dismount";
    case TaskKind::WalkAway:
        return "walk away";
    case TaskKind::ItemInteraction:
        return "item interaction";
    case TaskKind::Timed:
        return "timed";
    case TaskKind::Instant:
        return "instant";
    }
    return "?";
}

} // namespace

std::string DescribeTask(const TaskStep& s) {
    std::string text = KindName(s.kind);
    char where[96];
    if (s.kind == TaskKind::GoTo || (s.kind == TaskKind::Scenario && s.hasPoint)) {
        std::snprintf(where, sizeof where, " (%.1f, %.1f, %.1f) speed %.2f", s.point.x, s.point.y,
                      s.point.z, s.speed);
        text += where;
    }
    if (s.entity) text += " " + Handle(s.entity);
    if (s.durationMs >= 0 && (s.kind == TaskKind::Timed || s.kind == TaskKind::Scenario))
        text += " for " + std::to_string(s.durationMs) + " ms";
    return text;
}

void EndTasks(Simulator& sim, int32_t ped, const std::string& why) {
    World& w = sim.world();
    auto it = w.pedTasks.of.find(ped);
    if (it != w.pedTasks.of.end() && (it->second.current() || it->second.sequenceHandle)) {
        sim.trace(Handle(ped) + " tasks end: " + why);
        const float pace = it->second.maxMoveBlendRatio;
        const uint64_t paceFrame = it->second.paceLimitFrame;
        it->second.clear();
        it->second.maxMoveBlendRatio = pace;
        it->second.paceLimitFrame = paceFrame;
    }
    if (w.items.of.erase(ped)) sim.trace(Handle(ped) + " puts the item away: " + why);
}

void RemoveEntity(Simulator& sim, int32_t handle) {
    World& w = sim.world();
    for (auto it = w.blips.all.begin(); it != w.blips.all.end();) {
        if (it->second.kind == BlipKind::Entity && it->second.entity == handle) {
            sim.trace("blip " + Handle(it->first) + " removed with " + Handle(handle));
            it = w.blips.all.erase(it);
        } else {
            ++it;
        }
    }
    w.vehicles.unseat(handle);
    if (auto v = w.vehicles.state.find(handle); v != w.vehicles.state.end()) {
        for (auto& [seat, ped] : v->second.seated)
            if (Entity* e = w.entity(ped)) e->position = w.entities[handle].position;
        w.vehicles.state.erase(v);
    }
    w.entities.erase(handle);
    w.entityStates.of.erase(handle);
    w.peds.state.erase(handle);
    w.weapons.of.erase(handle);
    w.pedTasks.of.erase(handle);
    w.items.of.erase(handle);
    w.perception.recent.erase(handle);
    for (auto& [id, g] : w.pools.groups.inUse) {
        g.members.erase(handle);
        if (g.leader == handle) g.leader = 0;
    }
}

void KillEntity(Simulator& sim, int32_t handle, const std::string& why) {
    World& w = sim.world();
    Entity* e = w.entity(handle);
    if (!e || !e->alive) return;
    e->alive = false;
    w.entityStates.of[handle].health = 0;
    if (handle == w.player.ped) w.player.dead = true;
    if (e->kind == EntityKind::Vehicle) {
        w.vehicles.state[handle].speed = 0;
        sim.trace("vehicle #" + std::to_string(handle) + " destroyed: " + why);
        return;
    }
    if (e->kind == EntityKind::Object) {
        sim.trace("object #" + std::to_string(handle) + " destroyed: " + why);
        return;
    }
    sim.trace("#" + std::to_string(handle) + " dies: " + why);
    EndTasks(sim, handle, "dead");
    w.vehicles.unseat(handle);
    w.peds.state[handle].mount = 0;
}

void NoticeAround(Simulator& sim, const Vec3& centre, float radius, uint32_t type, int32_t source) {
    World& w = sim.world();
    for (const auto& [handle, e] : w.entities) {
        if (e.kind != EntityKind::Ped || !e.alive || handle == source || handle == w.player.ped)
            continue;
        if (Distance(e.position, centre) <= radius)
            w.perception.notice(handle, RecentEvent{type, source, w.frame});
    }
}

bool SeatPed(Simulator& sim, int32_t ped, int32_t vehicle, int32_t seat) {
    World& w = sim.world();
    Entity* v = w.entity(vehicle);
    if (!v || v->kind != EntityKind::Vehicle) return false;
    VehicleState& state = w.vehicles.state[vehicle];
    auto taken = [&](int32_t s) { return state.seated.count(s) && state.seated[s] != ped; };
    if (seat < -1 || seat >= state.passengerSeats || taken(seat)) {
        seat = -2;
        for (int32_t s = -1; s < state.passengerSeats && seat == -2; ++s)
            if (!taken(s)) seat = s;
        if (seat == -2) return false;
    }
    w.vehicles.unseat(ped);
    state.seated[seat] = ped;
    if (Entity* p = w.entity(ped)) p->position = v->position;
    sim.trace("#" + std::to_string(ped) + " enters vehicle #" + std::to_string(vehicle) + " seat " +
              std::to_string(seat));
    return true;
}

} // namespace sim
