#include "World.h"

namespace sim {

void RegisterFrameResets(std::vector<std::function<void(World&)>>& resets) {
    resets.push_back([](World& w) {
        w.screen.texts.clear();
        w.screen.sprites.clear();
    });
    resets.push_back([](World& w) {
        w.controls.justPressed = std::move(w.controls.pressNextFrame);
        w.controls.pressNextFrame.clear();
        w.controls.disabled.clear();
        w.controls.hudThisFrame.clear();
    });
}

} // namespace sim
