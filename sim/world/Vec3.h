#pragma once

namespace sim {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

} // namespace sim
