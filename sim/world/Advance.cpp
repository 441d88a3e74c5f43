#include "world/Advance.h"

#include "Simulator.h"
#include "world/Geometry.h"
#include "world/Lifecycle.h"

namespace sim {

namespace {

constexpr float kWalkSpeed = 1.4f;        // metres per second at move blend ratio 1
constexpr int32_t kDefaultTimedMs = 5000; // a timed step given -1
constexpr int32_t kBoardingMs = 1000;     // getting into or out of a seat or saddle

std::string Handle(int32_t h) {
    return "#" + std::to_string(h);
}

float Step(const TaskStep& s, float dt) {
    return kWalkSpeed * (s.speed > 0 ? s.speed : 1) * dt;
}

// Carries out one frame of a step; true when the step has ended.
bool RunStep(Simulator& sim, int32_t ped, Entity& e, TaskStep& s, int32_t ms) {
    World& w = sim.world();
    const float dt = ms / 1000.0f;
    s.elapsedMs += ms;
    switch (s.kind) {
    case TaskKind::None:
        return true;
    case TaskKind::Instant:
        if (s.finalHeading >= 0) e.heading = s.finalHeading;
        return true;
    case TaskKind::GoTo: {
        if (!MoveToward(e.position, s.point, Step(s, dt))) return false;
        if (s.finalHeading >= 0) e.heading = s.finalHeading;
        return true;
    }
    case TaskKind::Follow: {
        const Entity* target = w.entity(s.entity);
        if (!target || !target->alive) return true;
        const Vec3 goal{target->position.x + s.offset.x, target->position.y + s.offset.y,
                        target->position.z + s.offset.z};
        if (Distance(e.position, goal) > s.range) MoveToward(e.position, goal, Step(s, dt));
        return s.durationMs > 0 && s.elapsedMs >= s.durationMs;
    }
    case TaskKind::Combat: {
        const Entity* target = w.entity(s.entity);
        const bool over = !target || !target->alive;
        if (over) sim.trace(Handle(ped) + " stops fighting " + Handle(s.entity) + ": no target");
        return over;
    }
    case TaskKind::Scenario: {
        if (s.hasPoint && !s.arrived) {
            if (!MoveToward(e.position, s.point, Step(s, dt))) return false;
            s.arrived = true;
            s.elapsedMs = 0;
            // The nearest scenario found there is a point the ped now uses.
            if (s.pointId < 0) s.pointId = w.pedTasks.addPoint(s.point);
            w.pedTasks.of[ped].scenario = s.scenario;
            return false;
        }
        w.pedTasks.of[ped].scenario = s.scenario;
        if (s.durationMs < 0 || s.elapsedMs < s.durationMs) return false;
        w.pedTasks.of[ped].scenario = 0;
        return true;
    }
    case TaskKind::EnterVehicle: {
        const Entity* v = w.entity(s.entity);
        if (!v || !v->alive) return true;
        if (s.elapsedMs < kBoardingMs) return false;
        SeatPed(sim, ped, s.entity, s.seat);
        return true;
    }
    case TaskKind::LeaveVehicle: {
        if (s.elapsedMs < kBoardingMs) return false;
        if (const int32_t v = w.vehicles.seatOf(ped)) {
            w.vehicles.unseat(ped);
            if (const Entity* ve = w.entity(v)) {
                const Vec3 side = Forward(ve->heading + 90);
                e.position =
                    Vec3{ve->position.x + side.x * 2, ve->position.y + side.y * 2, ve->position.z};
            }
            sim.trace(Handle(ped) + " leaves vehicle " + Handle(v));
        }
        return true;
    }
    case TaskKind::DriveWander: {
        int32_t seat = 0;
        const int32_t v = w.vehicles.seatOf(ped, &seat);
        Entity* ve = w.entity(s.entity);
        if (v == s.entity && seat == -1 && ve && ve->alive) w.vehicles.state[v].speed = s.speed;
        return false;
    }
    case TaskKind::Mount: {
        const Entity* horse = w.entity(s.entity);
        if (!horse || !horse->alive) return true;
        if (s.elapsedMs < kBoardingMs) return false;
        w.peds.state[ped].mount = s.entity;
        e.position = horse->position;
        sim.trace(Handle(ped) + " mounts " + Handle(s.entity));
        return true;
    }
    case TaskKind::Dismount: {
        if (s.elapsedMs < kBoardingMs) return false;
        if (w.peds.state[ped].mount) sim.trace(Handle(ped) + " dismounts");
        w.peds.state[ped].mount = 0;
        return true;
    }
    case TaskKind::WalkAway: {
        if (const Entity* from = w.entity(s.entity)) {
            Vec3 away{e.position.x * 2 - from->position.x, e.position.y * 2 - from->position.y,
                      e.position.z};
            MoveToward(e.position, away, Step(s, dt));
        }
        return s.elapsedMs >= (s.durationMs < 0 ? kDefaultTimedMs : s.durationMs);
    }
    case TaskKind::ItemInteraction:
        return w.items.of.count(ped) == 0;
    case TaskKind::Timed:
        return s.elapsedMs >= (s.durationMs < 0 ? kDefaultTimedMs : s.durationMs);
    }
    return true;
}

void AdvanceTasks(Simulator& sim) {
    World& w = sim.world();
    for (auto& [ped, t] : w.pedTasks.of) {
        Entity* e = w.entity(ped);
        if (!e) continue;
        if (!e->alive) {
            if (t.current() || t.sequenceHandle) EndTasks(sim, ped, "dead");
            continue;
        }
        if (t.sequenceHandle && !t.sequenceStarted) {
            t.sequenceStarted = true;
            t.progress = t.sequence.empty() ? -1 : 0;
            continue;
        }
        TaskStep* s = t.current();
        if (!s || !RunStep(sim, ped, *e, *s, w.frameMs)) continue;
        if (s == &t.direct) {
            t.direct = TaskStep{};
        } else if (++t.progress >= int32_t(t.sequence.size())) {
            t.progress = -1;
            sim.trace(Handle(ped) + " finished sequence " + Handle(t.sequenceHandle));
        }
    }
}

// Driven vehicles move along their heading; whoever sits in one or rides a horse goes along.
void AdvanceVehicles(Simulator& sim) {
    World& w = sim.world();
    const float dt = w.frameMs / 1000.0f;
    bool playerDrives = false;
    for (auto& [handle, v] : w.vehicles.state) {
        Entity* ve = w.entity(handle);
        if (!ve) continue;
        auto driver = v.seated.find(-1);
        const bool driven =
            driver != v.seated.end() && w.entity(driver->second) && w.entity(driver->second)->alive;
        // The player drives with the reins, not a task: at the speed the scenario gives.
        if (driven && driver->second == w.player.ped) {
            v.speed = w.player.driveSpeed;
            playerDrives = true;
        }
        if (!ve->alive || !driven) v.speed = 0;
        if (v.speed > 0) {
            const Vec3 f = Forward(ve->heading);
            ve->position.x += f.x * v.speed * dt;
            ve->position.y += f.y * v.speed * dt;
        }
        for (const auto& [seat, ped] : v.seated)
            if (Entity* p = w.entity(ped)) p->position = ve->position;
        const Vec3 f = Forward(ve->heading);
        for (size_t i = 0; i < v.draftHorses.size(); ++i)
            if (Entity* h = w.entity(v.draftHorses[i])) {
                const float side = i % 2 == 0 ? -0.8f : 0.8f;
                h->position = Vec3{ve->position.x + f.x * 3 + f.y * side,
                                   ve->position.y + f.y * 3 - f.x * side, ve->position.z};
                h->heading = ve->heading;
            }
    }
    // Off the driver's seat he holds no reins: a wagon he climbs on again stands still.
    if (!playerDrives) w.player.driveSpeed = 0;
    for (auto& [ped, state] : w.peds.state) {
        if (!state.mount) continue;
        const Entity* horse = w.entity(state.mount);
        Entity* rider = w.entity(ped);
        if (!horse || !rider) {
            state.mount = 0;
            continue;
        }
        rider->position = horse->position;
    }
}

void AdvanceItems(Simulator& sim) {
    World& w = sim.world();
    for (auto it = w.items.of.begin(); it != w.items.of.end();) {
        ItemInteraction& i = it->second;
        const uint64_t since = w.frame - i.phaseFrame;
        if (i.phase == ItemPhase::Intro && since >= w.items.introFrames) {
            i.phase = ItemPhase::Held;
            i.phaseFrame = w.frame;
            sim.trace(Handle(it->first) + " holds the item up");
        } else if (i.phase == ItemPhase::Outro && since >= w.items.outroFrames) {
            sim.trace(Handle(it->first) + " has put the item away");
            it = w.items.of.erase(it);
            continue;
        }
        ++it;
    }
}

void ForgetOldEvents(World& w) {
    for (auto& [ped, list] : w.perception.recent)
        while (!list.empty() && w.frame - list.back().frame > w.perception.recentFrames)
            list.pop_back();
}

} // namespace

void AdvanceWorld(Simulator& sim) {
    AdvanceTasks(sim);
    AdvanceVehicles(sim);
    AdvanceItems(sim);
    ForgetOldEvents(sim.world());
}

} // namespace sim
