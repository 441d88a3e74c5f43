#pragma once
// What the game lends a script by handle and wants back: task sequences, item sets and ped
// groups. Each pool holds 64; opening or creating one more fails.
#include "world/PedTasks.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace sim {

constexpr size_t kPoolCapacity = 64;

struct TaskSequence {
    std::vector<TaskStep> steps;
    bool closed = false;
};

struct Sequences {
    std::map<int32_t, TaskSequence> inUse; // open, closed or performed, until cleared
    int32_t recording = 0;                 // the sequence being recorded (ped 0), 0 none
    int32_t nextHandle = 1;
};

struct ItemSets {
    std::map<int32_t, std::vector<int32_t>> inUse; // the items of each set
    int32_t nextHandle = 1;
};

struct PedGroup {
    int32_t leader = 0;
    std::set<int32_t> members;
};

struct Groups {
    std::map<int32_t, PedGroup> inUse;
    int32_t nextHandle = 1;

    // The group a ped leads or belongs to, 0 when none.
    int32_t of(int32_t ped) const {
        for (const auto& [id, g] : inUse)
            if (g.leader == ped || g.members.count(ped)) return id;
        return 0;
    }
};

struct Pools {
    Sequences sequences;
    ItemSets itemSets;
    Groups groups;
    uint64_t refused = 0; // opens and creations refused because their pool was full
};

} // namespace sim
