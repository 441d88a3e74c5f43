#pragma once
// Streaming of texture dictionaries: a requested dictionary loads a few frames later,
// unless a scenario made it never load.
#include <cctype>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace sim {

struct Streaming {
    static constexpr uint64_t kLoadFrames = 3;

    std::set<std::string> never;               // lower-cased names that never load
    std::map<std::string, uint64_t> requested; // lower-cased name -> frame of first request

    static std::string key(const std::string& name) {
        std::string k = name;
        for (char& c : k)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return k;
    }
    void request(const std::string& name, uint64_t frame) { requested.emplace(key(name), frame); }
    bool loaded(const std::string& name, uint64_t frame) const {
        const std::string k = key(name);
        if (never.count(k)) return false;
        auto it = requested.find(k);
        return it != requested.end() && frame >= it->second + kLoadFrames;
    }
};

} // namespace sim
