#include "core/input/KeyStateTable.h"

#include "core/platform/Platform.h"

namespace corvale {

namespace {

constexpr uint32_t kKeyCount = 255;
constexpr uint32_t kReleaseWindowMs = 100;

struct KeyState {
    volatile uint32_t time;
    volatile uint32_t withAlt;
    volatile uint32_t wasDownBefore;
    volatile uint32_t isUpNow;
};

KeyState gKeys[kKeyCount];

} // namespace

void OnKeyboardMessage(uint32_t key, uint16_t, uint8_t, int, int isWithAlt, int wasDownBefore,
                       int isUpNow) {
    if (key >= kKeyCount) return;
    KeyState& k = gKeys[key];
    k.time = platform::TickCount();
    k.withAlt = static_cast<uint32_t>(isWithAlt);
    k.wasDownBefore = static_cast<uint32_t>(wasDownBefore);
    k.isUpNow = static_cast<uint32_t>(isUpNow);
}

bool IsKeyJustReleased(uint32_t key) {
    if (key >= kKeyCount) return false;
    const KeyState& k = gKeys[key];
    // Compared as a difference so a tick count that wraps after 49 days still works.
    return k.isUpNow != 0 && platform::TickCount() - k.time < kReleaseWindowMs;
}

bool TakeKeyRelease(uint32_t key) {
    if (!IsKeyJustReleased(key)) return false;
    gKeys[key] = KeyState{};
    return true;
}

void DiscardKeyRelease(uint32_t key) {
    TakeKeyRelease(key);
}

void ResetKeyStates() {
    for (KeyState& k : gKeys)
        k = KeyState{};
}

} // namespace corvale
