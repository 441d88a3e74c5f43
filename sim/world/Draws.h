#pragma once
// The game's random integer draws that a scenario fixed: by range, the answers still to give.
#include <cstdint>
#include <deque>
#include <map>
#include <utility>

namespace sim {

struct Draws {
    // `random MIN MAX VALUE`: the next draw over [MIN, MAX) answers VALUE, in the order given.
    std::map<std::pair<int32_t, int32_t>, std::deque<int32_t>> fixed;

    // The answer fixed for the next draw over [lo, hi), taken off the list; false when none.
    bool take(int32_t lo, int32_t hi, int32_t& out) {
        const auto found = fixed.find({lo, hi});
        if (found == fixed.end() || found->second.empty()) return false;
        out = found->second.front();
        found->second.pop_front();
        return true;
    }
};

} // namespace sim
