// Prompts: built in steps, then shown, enabled and polled every frame.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kPromptRegisterBegin = 0x04f97de45a519419;
constexpr uint64_t kPromptSetControlAction = 0xb5352b7494a08258;
constexpr uint64_t kPromptSetText = 0x5dd02a8318420dd7;
constexpr uint64_t kPromptSetStandardizedHoldMode = 0x74c7d7b72ed0d3cf;
constexpr uint64_t kPromptSetHoldMode = 0x94073d5ca3f16b7b;
constexpr uint64_t kPromptSetStandardMode = 0xcc6656799977741b;
constexpr uint64_t kPromptSetGroup = 0x2f11d3a254169ea4;
constexpr uint64_t kPromptRegisterEnd = 0xf7aa2696a22ad8b9;
constexpr uint64_t kPromptSetEnabled = 0x8a0fb4d03a630d21;
constexpr uint64_t kPromptSetVisible = 0x71215accfde075ee;
constexpr uint64_t kPromptHasHoldModeCompleted = 0xe0f65f0640ef0617;
constexpr uint64_t kPromptIsJustPressed = 0x2787cc611d3facc5;
} // namespace

PromptHandle BeginPrompt() {
    return Invoke<int32_t>(kPromptRegisterBegin);
}

void SetPromptControl(PromptHandle prompt, Hash control) {
    Invoke<int32_t>(kPromptSetControlAction, prompt, control);
}

void SetPromptText(PromptHandle prompt, uint64_t textHandle) {
    Invoke(kPromptSetText, prompt, native::Raw64{textHandle});
}

void SetPromptStandardizedHoldMode(PromptHandle prompt) {
    Invoke(kPromptSetStandardizedHoldMode, prompt, 1u);
}

void SetPromptHoldMode(PromptHandle prompt) {
    Invoke(kPromptSetHoldMode, prompt, 1);
}

void SetPromptStandardMode(PromptHandle prompt) {
    Invoke(kPromptSetStandardMode, prompt, true);
}

void SetPromptGroup(PromptHandle prompt, int32_t group) {
    Invoke(kPromptSetGroup, prompt, group, 0);
}

void EndPrompt(PromptHandle prompt) {
    Invoke(kPromptRegisterEnd, prompt);
}

void SetPromptEnabled(PromptHandle prompt, bool enabled) {
    Invoke(kPromptSetEnabled, prompt, enabled);
}

void SetPromptVisible(PromptHandle prompt, bool visible) {
    Invoke(kPromptSetVisible, prompt, visible);
}

bool PromptHoldCompleted(PromptHandle prompt) {
    return Invoke<bool>(kPromptHasHoldModeCompleted, prompt);
}

bool PromptJustPressed(PromptHandle prompt) {
    return Invoke<bool>(kPromptIsJustPressed, prompt);
}

} // namespace corvale::business
