#pragma once
// On-screen control prompts: what the plug-ins made of them, and which one the player uses.
#include <cstdint>
#include <map>
#include <string>

namespace sim {

struct Prompt {
    uint32_t control = 0;
    std::string text;
    int32_t group = 0;
    std::string mode;        // "standard", "hold", "standardized-hold", "mash", ...
    bool registered = false; // its building was finished
    bool enabled = true;
    bool visible = true;
    bool removed = false;
    uint64_t usedInFrame = 0; // the frame in which the player completes it
};

struct Prompts {
    std::map<int32_t, Prompt> all;
    int32_t nextHandle = 1;

    Prompt* find(int32_t handle) {
        auto it = all.find(handle);
        return it == all.end() || it->second.removed ? nullptr : &it->second;
    }
    // A visible, enabled prompt showing text, or nullptr.
    Prompt* offered(const std::string& text) {
        for (auto& [handle, p] : all)
            if (!p.removed && p.registered && p.visible && p.enabled && p.text == text) return &p;
        return nullptr;
    }
};

} // namespace sim
