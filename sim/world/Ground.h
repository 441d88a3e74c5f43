#pragma once
// The ground: the game's own heights unless a scenario or test makes it flat at one height,
// and the map's named zones.
#include "world/GameGround.h"
#include "world/Vec3.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

struct MapZone {
    int32_t type = 1;  // the game's zone kinds (1 district, 10 and 11 smaller areas)
    uint32_t name = 0; // game hash of the zone's name
    Vec3 centre;
    float radius = 0;
};

struct Ground {
    std::optional<float> flat; // `ground Z`: flat at that height
    float at(float x, float y) const { return flat ? *flat : GameGroundAt(x, y); }
    float at(const Vec3& p) const { return at(p.x, p.y); }
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
