#pragma once
// Control prompts step by step, as the game builds, shows and polls them. `Prompt` is the
// prompt object of both plug-ins on top of these.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Building: begin, control, text, group, one mode, attributes, end.
int32_t BeginPrompt();
void SetPromptControl(int32_t prompt, Hash control);
void SetPromptText(int32_t prompt, uint64_t textHandle);
void SetPromptGroup(int32_t prompt, int32_t group);
void SetPromptStandardMode(int32_t prompt);
void SetPromptHoldMode(int32_t prompt);
void SetPromptStandardizedHoldMode(int32_t prompt);
void SetPromptAttribute(int32_t prompt, int32_t attribute, bool on);
void EndPrompt(int32_t prompt);

// On screen.
void SetPromptEnabled(int32_t prompt, bool enabled);
void SetPromptVisible(int32_t prompt, bool visible);
int32_t PromptGroupOfEntity(Entity entity); // 0 when the entity has none
// Shows the prompts of group under a title (a game text handle) for this frame.
void ShowPromptGroupThisFrame(int32_t group, uint64_t titleText);
void DeletePrompt(int32_t prompt);

// Polled once per frame.
bool PromptStandardCompleted(int32_t prompt);
bool PromptHoldCompleted(int32_t prompt);
bool PromptMashCompleted(int32_t prompt);
bool PromptJustPressed(int32_t prompt);

} // namespace corvale
