#pragma once
// What the world knows about vehicles beyond their entity: the prop sets they carry.
#include <cstdint>
#include <map>
#include <vector>

namespace sim {

struct Vehicles {
    std::map<int32_t, std::vector<uint32_t>> propSets; // game hashes, in the order added
};

} // namespace sim
