#pragma once
// The map around the player: the navigation mesh, safe places to stand, doors and the walls
// that block sight.
#include "world/Vec3.h"

#include <cstdint>
#include <map>
#include <vector>

namespace sim {

struct Wall {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a segment in plan
};

struct NavRegion {
    Vec3 centre;
    uint64_t frame = 0; // requested in
};

struct MapState {
    bool navmeshNever = false;         // no region ever loads
    std::vector<NavRegion> navRegions; // regions scripts asked for
    uint64_t navmeshFrames = 5;        // how long a region takes to load
    float navmeshRadius = 150;         // how far around its point a region reaches
    bool safeCoordsNever = false;      // the safe-coordinate search always fails
    std::map<uint32_t, int32_t> doors; // door hash -> state set by a script
    std::vector<Wall> walls;
};

} // namespace sim
