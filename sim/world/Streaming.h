#pragma once
// Streaming of models, texture and animation dictionaries and prop sets, all by the game
// hash of their name: a request loads a few frames later unless a scenario says "never".
#include <cstdint>
#include <map>
#include <set>

namespace sim {

struct Streaming {
    uint64_t framesToLoad = 3;
    std::set<uint32_t> never;               // never loads
    std::set<uint32_t> missing;             // animation dictionaries the game does not have
    std::map<uint32_t, uint64_t> requested; // frame of the first request
    std::set<uint32_t> mapData;             // map data sets requested: active from then on

    void request(uint32_t name, uint64_t frame) { requested.emplace(name, frame); }
    bool loaded(uint32_t name, uint64_t frame) const {
        if (never.count(name)) return false;
        auto it = requested.find(name);
        return it != requested.end() && frame >= it->second + framesToLoad;
    }
};

} // namespace sim
