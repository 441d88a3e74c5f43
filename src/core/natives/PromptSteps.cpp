#include "core/natives/PromptSteps.h"

namespace corvale {

namespace {
constexpr uint64_t kRegisterBegin = 0x04f97de45a519419;
constexpr uint64_t kSetControlAction = 0xb5352b7494a08258;
constexpr uint64_t kSetText = 0x5dd02a8318420dd7;
constexpr uint64_t kSetGroup = 0x2f11d3a254169ea4;
constexpr uint64_t kSetStandardMode = 0xcc6656799977741b;
constexpr uint64_t kSetHoldMode = 0x94073d5ca3f16b7b;
constexpr uint64_t kSetStandardizedHoldMode = 0x74c7d7b72ed0d3cf;
constexpr uint64_t kSetAttribute = 0x560e76d5e2e1803f;
constexpr uint64_t kRegisterEnd = 0xf7aa2696a22ad8b9;
constexpr uint64_t kSetEnabled = 0x8a0fb4d03a630d21;
constexpr uint64_t kSetVisible = 0x71215accfde075ee;
constexpr uint64_t kGetGroupIdForTargetEntity = 0xb796970bd125fce8;
constexpr uint64_t kDelete = 0x00ede88d4d13cf59;
constexpr uint64_t kSetActiveGroupThisFrame = 0xc65a45d4453c2627;
constexpr uint64_t kHasStandardModeCompleted = 0xc92ac953f0a982ae;
constexpr uint64_t kHasHoldModeCompleted = 0xe0f65f0640ef0617;
constexpr uint64_t kHasMashModeCompleted = 0x845ce958416dc473;
constexpr uint64_t kIsJustPressed = 0x2787cc611d3facc5;
} // namespace

int32_t BeginPrompt() {
    return Invoke<int32_t>(kRegisterBegin);
}
void SetPromptControl(int32_t prompt, Hash control) {
    Invoke<int32_t>(kSetControlAction, prompt, control);
}
void SetPromptText(int32_t prompt, uint64_t textHandle) {
    Invoke(kSetText, prompt, native::Raw64{textHandle});
}
void SetPromptGroup(int32_t prompt, int32_t group) {
    Invoke(kSetGroup, prompt, group, 0);
}
void SetPromptStandardMode(int32_t prompt) {
    Invoke(kSetStandardMode, prompt, true);
}
void SetPromptHoldMode(int32_t prompt) {
    Invoke(kSetHoldMode, prompt, 1);
}
void SetPromptStandardizedHoldMode(int32_t prompt) {
    Invoke(kSetStandardizedHoldMode, prompt, Hash{1});
}
void SetPromptAttribute(int32_t prompt, int32_t attribute, bool on) {
    Invoke(kSetAttribute, prompt, attribute, on);
}
void EndPrompt(int32_t prompt) {
    Invoke(kRegisterEnd, prompt);
}

void SetPromptEnabled(int32_t prompt, bool enabled) {
    Invoke(kSetEnabled, prompt, enabled);
}
void SetPromptVisible(int32_t prompt, bool visible) {
    Invoke(kSetVisible, prompt, visible);
}
int32_t PromptGroupOfEntity(Entity entity) {
    return Invoke<int32_t>(kGetGroupIdForTargetEntity, entity);
}
void DeletePrompt(int32_t prompt) {
    Invoke(kDelete, prompt);
}

// The game reads only the prompt for the hold and mash queries.
bool PromptStandardCompleted(int32_t prompt) {
    return Invoke<bool>(kHasStandardModeCompleted, prompt, 0);
}
bool PromptHoldCompleted(int32_t prompt) {
    return Invoke<bool>(kHasHoldModeCompleted, prompt);
}
bool PromptMashCompleted(int32_t prompt) {
    return Invoke<bool>(kHasMashModeCompleted, prompt);
}
bool PromptJustPressed(int32_t prompt) {
    return Invoke<bool>(kIsJustPressed, prompt);
}

void ShowPromptGroupThisFrame(int32_t group, uint64_t titleText) {
    Invoke<int32_t>(kSetActiveGroupThisFrame, group, native::Raw64{titleText}, 1, 0, 0, 0);
}

} // namespace corvale
