#pragma once
// What the world knows about peds beyond their entity: relationship group, config flags,
// outfit and speech.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

struct PedState {
    uint32_t relationship = 0; // game hash of the relationship group
    std::map<int32_t, bool> configFlags;
    bool randomOutfit = false;
    uint64_t speakingUntil = 0; // frame at which the current line ends
};

struct SpokenLine {
    int32_t ped = 0;
    std::string line, voice;
};

struct Peds {
    uint64_t speechFrames = 60; // how long a line plays
    float nearbyRadius = 50.0f; // how far around a ped the game finds other peds
    std::map<int32_t, PedState> state;
    std::vector<SpokenLine> said;
};

} // namespace sim
