#pragma once
// Control prompts as the game shows them: text, control, group, mode, enabled, visible, and
// the frames during which the player presses or holds one.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// The prompt mode chosen at registration; each answers its own "completed" query.
enum class PromptMode { None, Standard, Hold, StandardizedHold, Mash };

struct PromptState {
    std::string text;
    uint32_t control = 0;
    int32_t group = 0;
    PromptMode mode = PromptMode::None;
    std::map<int32_t, bool> attributes;
    bool registered = false; // registration ended
    bool enabled = true;
    bool visible = true;
    bool shownOnce = false;                 // shown by the script at least once
    uint64_t pressFrom = 0, pressUntil = 0; // pressed or held during frames [from, until)
    // On screen when this frame began: what the player pressed. A script that hides its
    // prompts first thing every frame and shows them again still reads that press.
    bool shownAtFrameStart = false;
    bool tracedOnScreen = false; // as the timeline last told it

    bool shown() const { return registered && visible && enabled; }
    bool pressedDuring(uint64_t frame) const {
        return shownAtFrameStart && frame >= pressFrom && frame < pressUntil;
    }
    // The first frame of a press or hold.
    bool justPressedIn(uint64_t frame) const {
        return shownAtFrameStart && frame == pressFrom && frame != 0;
    }
};

struct Prompts {
    std::map<int32_t, PromptState> all;
    int32_t nextHandle = 1;
    // The prompt group shown this frame, with its title.
    uint32_t activeGroup = 0;
    std::string activeGroupTitle;
    uint64_t activeGroupFrame = 0;

    PromptState* find(int32_t handle) {
        auto it = all.find(handle);
        return it == all.end() ? nullptr : &it->second;
    }
    std::vector<const PromptState*> withText(const std::string& text) const {
        std::vector<const PromptState*> out;
        for (const auto& [handle, p] : all)
            if (p.registered && p.text == text) out.push_back(&p);
        return out;
    }
    void beginFrame() {
        for (auto& [handle, p] : all)
            p.shownAtFrameStart = p.shown();
    }
    // The player presses (or holds, for `frames` frames) the visible, enabled prompt showing
    // text, from the frame after `frame`. False when no such prompt is shown.
    bool press(const std::string& text, uint64_t frame, uint64_t frames) {
        for (auto& [handle, p] : all) {
            if (p.text != text || !p.shown()) continue;
            p.pressFrom = frame + 1;
            p.pressUntil = frame + 1 + (frames ? frames : 1);
            return true;
        }
        return false;
    }
};

} // namespace sim
