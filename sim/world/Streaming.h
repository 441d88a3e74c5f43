#pragma once
// Models and texture dictionaries: requested, then loaded a few frames later, unless a
// scenario says one never loads.
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

struct Streaming {
    static constexpr uint64_t kLoadFrames = 3;
    std::map<std::string, uint64_t> requested; // name (or model hash in hex) -> frame asked
    std::set<std::string> never;

    bool loaded(const std::string& name, uint64_t frame) const {
        if (never.count(name)) return false;
        auto it = requested.find(name);
        return it != requested.end() && frame >= it->second + kLoadFrames;
    }
    void request(const std::string& name, uint64_t frame) { requested.emplace(name, frame); }
};

} // namespace sim
