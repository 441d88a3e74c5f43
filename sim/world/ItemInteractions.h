#pragma once
// An item in a ped's hands (the map): taken out (intro), held, put away (outro).
#include <cstdint>
#include <map>

namespace sim {

enum class ItemPhase { Intro, Held, Outro };

struct ItemInteraction {
    uint32_t item = 0;                       // game hash of the item
    int32_t object = 0;                      // the object in the hands
    uint32_t intro = 0, held = 0, outro = 0; // state hashes
    ItemPhase phase = ItemPhase::Intro;
    uint64_t phaseFrame = 0; // frame the phase began
};

struct ItemInteractions {
    uint64_t introFrames = 10, outroFrames = 10;
    std::map<int32_t, ItemInteraction> of; // by ped, while running

    uint32_t state(int32_t ped) const {
        auto it = of.find(ped);
        if (it == of.end()) return 0;
        const ItemInteraction& i = it->second;
        return i.phase == ItemPhase::Intro  ? i.intro
               : i.phase == ItemPhase::Held ? i.held
                                            : i.outro;
    }
};

} // namespace sim
