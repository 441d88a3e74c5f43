#pragma once
// Weapons of the peds other than the player (the player's current weapon is Player::weapon)
// and the impact point of the player's last shot or throw.
#include "world/Vec3.h"

#include <cstdint>
#include <map>

namespace sim {

struct PedWeapons {
    std::map<uint32_t, int32_t> ammo; // weapons owned, with their ammunition
    uint32_t current = 0;             // 0: unarmed
};

struct Weapons {
    std::map<int32_t, PedWeapons> of;
    // The game reports the player's last impact during one frame.
    Vec3 impact;
    uint64_t impactFrame = 0; // 0: none
};

} // namespace sim
