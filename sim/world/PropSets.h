#pragma once
// Prop sets created in the world.
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <vector>

namespace sim {

struct PropSetInstance {
    uint32_t name = 0;
    Vec3 position;
    float heading = 0;
    std::vector<int32_t> objects; // placed with the set, deleted with it
    bool released = false;        // left to the game
};

struct PropSets {
    std::map<int32_t, PropSetInstance> all;
    int32_t nextHandle = 1;
};

} // namespace sim
