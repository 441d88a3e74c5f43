#pragma once
// Prop sets created in the world.
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <set>

namespace sim {

struct PropSetInstance {
    uint32_t name = 0;
    Vec3 position;
    float heading = 0;
};

struct PropSets {
    std::map<int32_t, PropSetInstance> all;
    std::set<int32_t> released; // handed back to the game
    int32_t nextHandle = 1;
};

} // namespace sim
