#pragma once
// The game's controls and HUD state as the plug-ins read and set them.
#include <cstdint>
#include <set>

namespace sim {

struct Controls {
    std::set<uint32_t> justPressed;    // this frame
    std::set<uint32_t> pressNextFrame; // the scenario's "control NAME"
    std::set<uint32_t> held;           // held down
    std::set<uint32_t> disabled;       // disabled this frame by a plug-in
    std::set<uint32_t> hudContexts;    // enabled until disabled
    std::set<uint32_t> hudThisFrame;   // enabled for this frame
};

} // namespace sim
