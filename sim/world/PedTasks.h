#pragma once
// What peds are told to do: one direct task and at most one performed sequence each, the
// scenario played in place, and the pace a script holds them to (the game forgets that
// limit unless it is set again every frame).
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <vector>

namespace sim {

enum class TaskKind {
    None,
    GoTo,            // walk in a straight line to a point
    Follow,          // keep near an entity
    Combat,          // fight a target
    Scenario,        // play a scenario, after walking to its point when it has one
    EnterVehicle,    // get into a seat
    LeaveVehicle,    // get out
    DriveWander,     // drive a vehicle about
    Mount,           // get on a horse
    Dismount,        // get off
    WalkAway,        // walk away from an entity
    ItemInteraction, // an item in the hands
    Timed,           // stand, aim: lasts its duration
    Instant,         // look, swap weapon, heading: one frame
};

// One task, given directly or as a step of a sequence.
struct TaskStep {
    TaskKind kind = TaskKind::None;
    uint32_t scriptTask = 0; // game hash of the script task's name, for the status native
    Vec3 point;              // where to go (GoTo, Scenario with hasPoint)
    bool hasPoint = false;
    float finalHeading = -1; // heading at the end of a go-to, -1 none
    int32_t entity = 0;      // target, followed entity, vehicle or mount
    Vec3 offset;             // follow offset
    float speed = 1;         // move blend ratio: 1.4 m/s times this
    int32_t durationMs = -1; // timed steps; -1 their default
    uint32_t scenario = 0;   // game hash of the scenario played
    int32_t seat = -1;       // vehicle seat
    float range = 0;         // follow: how near is near enough
    int32_t elapsedMs = 0;   // running time
    bool arrived = false;    // a scenario at a point: reached it, now playing
    int32_t pointId = -1;    // the scenario point used, -1 none (see PedTasks::points)
};

struct PedTask {
    uint32_t scenario = 0;       // game hash of the scenario played in place, 0 when none
    float maxMoveBlendRatio = 0; // the limit last set
    uint64_t paceLimitFrame = 0; // the frame it was set in, 0 when never

    TaskStep direct;                // kind None when the ped has no direct task
    std::vector<TaskStep> sequence; // the performed sequence, copied at perform
    int32_t sequenceHandle = 0;     // the handle it was performed from, 0 when none
    bool sequenceStarted = false;
    int32_t progress = -1; // -1 until it starts, the running step, -1 after the last

    bool sequenceRunning() const { return sequenceHandle != 0 && progress >= 0; }
    // The step the ped carries out now, or nullptr.
    const TaskStep* current() const {
        if (sequenceHandle != 0 && progress >= 0 && progress < int32_t(sequence.size()))
            return &sequence[size_t(progress)];
        return direct.kind == TaskKind::None ? nullptr : &direct;
    }
    TaskStep* current() {
        return const_cast<TaskStep*>(static_cast<const PedTask*>(this)->current());
    }
    void clear() {
        direct = TaskStep{};
        sequence.clear();
        sequenceHandle = 0;
        sequenceStarted = false;
        progress = -1;
        scenario = 0;
    }
};

struct PedTasks {
    std::map<int32_t, PedTask> of;
    // Scenario points peds have taken, by id: where each stands. A point stays when its ped
    // leaves it, so he can be sent back to it.
    std::map<int32_t, Vec3> points;

    int32_t addPoint(const Vec3& at) {
        const int32_t id = points.empty() ? 1 : points.rbegin()->first + 1;
        points.emplace(id, at);
        return id;
    }

    uint32_t scenario(int32_t ped) const {
        auto it = of.find(ped);
        return it == of.end() ? 0 : it->second.scenario;
    }
    const TaskStep* current(int32_t ped) const {
        auto it = of.find(ped);
        return it == of.end() ? nullptr : it->second.current();
    }
    // The pace limit that holds during frame, or a negative value when none does.
    float paceLimit(int32_t ped, uint64_t frame) const {
        auto it = of.find(ped);
        if (it == of.end() || it->second.paceLimitFrame != frame || frame == 0) return -1;
        return it->second.maxMoveBlendRatio;
    }
};

} // namespace sim
