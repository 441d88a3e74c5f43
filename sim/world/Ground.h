#pragma once
// The ground: flat at one height unless a test sets another, and the map's named zones.
#include "world/Vec3.h"

#include <cstdint>
#include <vector>

namespace sim {

struct MapZone {
    int32_t type = 1;  // the game's zone kinds (1 district, 10 and 11 smaller areas)
    uint32_t name = 0; // game hash of the zone's name
    Vec3 centre;
    float radius = 0;
};

struct Ground {
    float height = 0;
    std::vector<MapZone> zones;

    // The first zone of that type containing the point (in the horizontal plane), or 0.
    uint32_t zoneAt(const Vec3& p, int32_t type) const {
        for (const MapZone& z : zones) {
            const float dx = p.x - z.centre.x, dy = p.y - z.centre.y;
            if (z.type == type && dx * dx + dy * dy <= z.radius * z.radius) return z.name;
        }
        return 0;
    }
};

} // namespace sim
