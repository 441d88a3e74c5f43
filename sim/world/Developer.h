#pragma once
// World state that only the developer tools touch: invincibility, ammunition, targets,
// decorations and cleared areas.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace sim {

struct DeveloperState {
    std::set<int32_t> invincible;     // entity handles
    std::map<uint32_t, int32_t> ammo; // the player's ammunition by hash
    int32_t targetedEntity = 0;       // what the player targets unarmed
    int32_t aimedEntity = 0;          // what the player aims at armed
    std::map<std::pair<int32_t, std::string>, int32_t> decorations;
    std::map<std::string, int32_t> decorationTypes; // registered names and their types
    int32_t maxWantedLevel = 5;
    int areasCleared = 0;
    int32_t scriptTimerA = 0;
};

} // namespace sim
