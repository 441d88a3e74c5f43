#pragma once
// The law as scripts steer it: wanted score, dispatch, crimes reported, the mission flag.
#include <cstdint>
#include <vector>

namespace sim {

struct Law {
    int32_t wantedScore = 0;
    bool dispatch = true, dispatch2 = true;
    bool missionFlag = false;
    int bountyPursuitsCleared = 0;
    std::vector<uint32_t> crimes; // crime hashes reported
};

} // namespace sim
