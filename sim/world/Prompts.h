#pragma once
// Control prompts as the game shows them: text, control, group, mode, enabled, visible, and
// the frames during which the player presses or holds one. A prompt in a group is on screen
// only at the end of a frame in which its group was the one group shown; a prompt in no
// group (ambient) whenever it is visible.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// The prompt mode chosen at registration; each answers its own "completed" query.
enum class PromptMode { None, Standard, Hold, StandardizedHold, Mash };

// The group the game gives every entity's own prompts (shown while the player targets it).
inline uint32_t EntityPromptGroup(int32_t entity) {
    return 0x1000000u + static_cast<uint32_t>(entity);
}

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
    // On screen and enabled when this frame began: what the player pressed. A script that
    // hides its prompts first thing every frame and shows them again still reads that press.
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
    // The one prompt group shown in frame activeGroupFrame, with its title: the last one
    // made active in that frame.
    uint32_t activeGroup = 0;
    std::string activeGroupTitle;
    uint64_t activeGroupFrame = 0;
    // Groups made active in activeGroupFrame, the shown one included.
    int groupsActivated = 0;

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
    void activate(uint32_t group, const std::string& title, uint64_t frame) {
        groupsActivated = activeGroupFrame == frame ? groupsActivated + 1 : 1;
        activeGroup = group;
        activeGroupTitle = title;
        activeGroupFrame = frame;
    }
    // The group of p is shown at the end of frame (always, for an ambient prompt).
    bool groupShown(const PromptState& p, uint64_t frame) const {
        return p.group == 0 ||
               (activeGroupFrame == frame && static_cast<uint32_t>(p.group) == activeGroup);
    }
    // What the player sees at the end of frame: visible, and in the group shown.
    bool onScreen(const PromptState& p, uint64_t frame) const {
        return p.registered && p.visible && groupShown(p, frame);
    }
    bool pressable(const PromptState& p, uint64_t frame) const {
        return onScreen(p, frame) && p.enabled;
    }
    // Frame has just begun: the player acts on what the last frame left on screen.
    void beginFrame(uint64_t frame) {
        for (auto& [handle, p] : all)
            p.shownAtFrameStart = frame > 0 && pressable(p, frame - 1);
    }
    // The player presses (or holds, for `frames` frames) the prompt showing text that is on
    // screen and enabled at the end of `frame`, from the frame after. False when there is none.
    bool press(const std::string& text, uint64_t frame, uint64_t frames) {
        for (auto& [handle, p] : all) {
            if (p.text != text || !pressable(p, frame)) continue;
            p.pressFrom = frame + 1;
            p.pressUntil = frame + 1 + (frames ? frames : 1);
            return true;
        }
        return false;
    }
    // The player's view at the end of frame: the group's title and its prompts, then the
    // ambient ones; a greyed prompt is marked. "nothing" when no prompt is on screen.
    std::string describeScreen(uint64_t frame) const;
};

} // namespace sim
