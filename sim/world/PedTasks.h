#pragma once
// What peds are told to do: the scenario each plays in place, and the pace a script holds
// them to (the game forgets that limit unless it is set again every frame).
#include <cstdint>
#include <map>

namespace sim {

struct PedTask {
    uint32_t scenario = 0;       // game hash of the scenario played in place, 0 when none
    float maxMoveBlendRatio = 0; // the limit last set
    uint64_t paceLimitFrame = 0; // the frame it was set in, 0 when never
};

struct PedTasks {
    std::map<int32_t, PedTask> of;

    uint32_t scenario(int32_t ped) const {
        auto it = of.find(ped);
        return it == of.end() ? 0 : it->second.scenario;
    }
    // The pace limit that holds during frame, or a negative value when none does.
    float paceLimit(int32_t ped, uint64_t frame) const {
        auto it = of.find(ped);
        if (it == of.end() || it->second.paceLimitFrame != frame || frame == 0) return -1;
        return it->second.maxMoveBlendRatio;
    }
};

} // namespace sim
