#pragma once
// Scripted cameras: created, pointed, made active and rendered through.
#include <cstdint>
#include <map>
#include <string>

namespace sim {

struct Camera {
    std::string name;
    float x = 0, y = 0, z = 0;
    float fieldOfView = 0;
    bool pointed = false;
    float targetX = 0, targetY = 0, targetZ = 0;
    bool active = false;
};

struct Cameras {
    std::map<int32_t, Camera> all; // destroyed cameras are erased
    int32_t nextHandle = 1;
    bool rendering = false; // the game renders through the active scripted camera

    Camera* find(int32_t handle) {
        auto it = all.find(handle);
        return it == all.end() ? nullptr : &it->second;
    }
};

} // namespace sim
