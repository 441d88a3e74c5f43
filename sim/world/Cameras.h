#pragma once
// Scripted cameras: created, pointed, made active, and whether the game renders through them.
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <string>

namespace sim {

struct Camera {
    std::string name;
    Vec3 position;
    float fieldOfView = 0;
    bool pointed = false;
    Vec3 target;
    bool active = false;
};

struct Cameras {
    std::map<int32_t, Camera> all; // destroyed cameras are erased
    int32_t nextHandle = 1;
    bool rendering = false; // scripted cameras asked to render

    Camera* find(int32_t handle) {
        auto it = all.find(handle);
        return it == all.end() ? nullptr : &it->second;
    }
    // The game shows a scripted camera's view while rendering is on and one is active.
    bool showing() const {
        if (!rendering) return false;
        for (const auto& [handle, c] : all)
            if (c.active) return true;
        return false;
    }
};

} // namespace sim
