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

// A cliff's ledges: a spot the safe-coordinate search finds between inner and outer metres
// of the centre, when not asked for the ground, lies `height` metres above the ground below.
struct Cliff {
    float x = 0, y = 0, inner = 0, outer = 0, height = 0;
    bool holds(float px, float py) const {
        const float d2 = (px - x) * (px - x) + (py - y) * (py - y);
        return d2 >= inner * inner && d2 <= outer * outer;
    }
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
    std::vector<Cliff> cliffs;
};

} // namespace sim
