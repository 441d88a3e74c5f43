#include "core/natives/PromptSteps.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kRegisterBegin{0x04f97de45a519419, "_UI_PROMPT_REGISTER_BEGIN", ""};
constexpr native::Native kSetControlAction{0xb5352b7494a08258, "_UI_PROMPT_SET_CONTROL_ACTION",
                                           "Prompt,Hash"};
constexpr native::Native kSetText{0x5dd02a8318420dd7, "_UI_PROMPT_SET_TEXT", "Prompt,const char*"};
constexpr native::Native kSetGroup{0x2f11d3a254169ea4, "_UI_PROMPT_SET_GROUP", "Prompt,int,int"};
constexpr native::Native kSetStandardMode{0xcc6656799977741b, "_UI_PROMPT_SET_STANDARD_MODE",
                                          "Prompt,BOOL"};
constexpr native::Native kSetHoldMode{0x94073d5ca3f16b7b, "_UI_PROMPT_SET_HOLD_MODE", "Prompt,int"};
constexpr native::Native kSetStandardizedHoldMode{
    0x74c7d7b72ed0d3cf, "_UI_PROMPT_SET_STANDARDIZED_HOLD_MODE", "Prompt,Hash"};
constexpr native::Native kSetAttribute{0x560e76d5e2e1803f, "_UI_PROMPT_SET_ATTRIBUTE",
                                       "Prompt,int,BOOL"};
constexpr native::Native kRegisterEnd{0xf7aa2696a22ad8b9, "_UI_PROMPT_REGISTER_END", "Prompt"};
constexpr native::Native kSetEnabled{0x8a0fb4d03a630d21, "_UI_PROMPT_SET_ENABLED", "Prompt,BOOL"};
constexpr native::Native kSetVisible{0x71215accfde075ee, "_UI_PROMPT_SET_VISIBLE", "Prompt,BOOL"};
constexpr native::Native kGetGroupIdForTargetEntity{
    0xb796970bd125fce8, "_UI_PROMPT_GET_GROUP_ID_FOR_TARGET_ENTITY", "Entity"};
constexpr native::Native kDelete{0x00ede88d4d13cf59, "_UI_PROMPT_DELETE", "Prompt"};
constexpr native::Native kSetActiveGroupThisFrame{0xc65a45d4453c2627,
                                                  "_UI_PROMPT_SET_ACTIVE_GROUP_THIS_FRAME",
                                                  "Hash,const char*,int,int,int,Prompt"};
constexpr native::Native kHasStandardModeCompleted{
    0xc92ac953f0a982ae, "_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED", "Prompt,int"};
constexpr native::Native kHasHoldModeCompleted{0xe0f65f0640ef0617,
                                               "_UI_PROMPT_HAS_HOLD_MODE_COMPLETED", "Prompt"};
constexpr native::Native kHasMashModeCompleted{0x845ce958416dc473,
                                               "_UI_PROMPT_HAS_MASH_MODE_COMPLETED", "Prompt"};
constexpr native::Native kIsJustPressed{0x2787cc611d3facc5, "_UI_PROMPT_IS_JUST_PRESSED", "Prompt"};
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
