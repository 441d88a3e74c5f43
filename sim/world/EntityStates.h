#pragma once
// What the world knows about entities beyond kind, model, position, heading and life.
#include <cstdint>
#include <map>
#include <string>

namespace sim {

struct EntityState {
    bool frozen = false;
    bool visible = true;
    bool released = false; // handed back to the game
    int32_t health = 100;
    int32_t maxHealth = 100; // full health: raised by a script that sets more
    int32_t proofs = 0; // the proof bits last set
    bool proofsOn = false;
    std::string animDict, anim; // the last animation played on it
};

struct EntityStates {
    std::map<int32_t, EntityState> of;
};

} // namespace sim
