#pragma once
// HUD contexts a script switched on: until switched off, or for one frame only.
#include <cstdint>
#include <map>
#include <set>

namespace sim {

struct HudContexts {
    std::set<uint32_t> enabled;               // game hashes, until disabled
    std::map<uint32_t, uint64_t> onlyInFrame; // game hash -> the frame it holds for

    bool on(uint32_t context, uint64_t frame) const {
        if (enabled.count(context)) return true;
        auto it = onlyInFrame.find(context);
        return it != onlyInFrame.end() && it->second == frame;
    }
};

} // namespace sim
