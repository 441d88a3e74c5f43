#pragma once
// The game controls (by control hash) as the plug-ins read them.
#include <cstdint>
#include <set>

namespace sim {

struct Controls {
    std::set<uint32_t> queued;   // taps that happen during the next frame
    std::set<uint32_t> tapped;   // pressed and released during this frame
    std::set<uint32_t> held;     // held down across frames
    std::set<uint32_t> disabled; // disabled by a script for this frame

    bool justPressed(uint32_t control) const { return tapped.count(control) > 0; }
    bool justReleased(uint32_t control) const { return tapped.count(control) > 0; }
    bool pressed(uint32_t control) const {
        return tapped.count(control) > 0 || held.count(control) > 0;
    }

    void beginFrame() {
        tapped = std::move(queued);
        queued.clear();
        disabled.clear();
    }
};

} // namespace sim
