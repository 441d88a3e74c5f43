#pragma once
// The screen as a whole: fades, HUD and radar, post effects, cinematic mode, music events.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace sim {

struct Fade {
    bool toBlack = false;  // out (to black) or in (to clear)
    int32_t startedAt = 0; // game timer
    int32_t durationMs = 0;
    bool started = false; // false: the screen has never been faded
};

struct ScreenEffects {
    Fade fade;
    bool hud = true;
    bool radar = true;
    bool cinematic = false;
    std::set<std::string> postEffects; // playing
    std::vector<std::string> music;    // music events triggered, in order

    bool faded(int32_t now) const {
        return fade.started && fade.toBlack && now - fade.startedAt >= fade.durationMs;
    }
    bool clear(int32_t now) const {
        return !fade.started || (!fade.toBlack && now - fade.startedAt >= fade.durationMs);
    }
};

} // namespace sim
