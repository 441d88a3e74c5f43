#pragma once
// The game's natives the interface kit uses: text and sprites, the message and feed boxes.
// Text scale and coloured text, menu controls, frontend sounds and the cash balance are the
// bridge's families (included here), shared with the business plug-in.
#include "core/natives/Audio.h"
#include "core/natives/Controls.h"
#include "core/natives/HudText.h"
#include "core/natives/Money.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// Game names the kit passes as hashes.
namespace hud {
inline constexpr Hash kControlFrontendDown = 0x05CA7C52;   // "INPUT_FRONTEND_DOWN"
inline constexpr Hash kControlFrontendUp = 0x6319DB71;     // "INPUT_FRONTEND_UP"
inline constexpr Hash kControlFrontendAccept = 0xC7B5340A; // "INPUT_FRONTEND_ACCEPT"
inline constexpr Hash kControlContextA = 0x5181713D;       // "INPUT_CONTEXT_A"
inline constexpr Hash kColourPureWhite = 0x067FA8F3;       // "COLOR_PURE_WHITE"
inline constexpr Hash kItemTypeCash = 0x6D31416E;          // "ITEMTYPE_CASH"
} // namespace hud

// Text drawn this frame: colour and scale (SetTextScale) apply to the next DisplayText.
void SetTextColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);
void DisplayText(uint64_t text, float x, float y);

// The one-shot message line in the middle of the screen.
void PrintObjectiveMessage(uint64_t text);

// Feed entries; blocks are caller-owned 8-byte slots.
void PostHelpFeed(uint64_t* display, uint64_t* content);
void PostToastFeed(uint64_t* display, uint64_t* content);
void PostSideToastFeed(uint64_t* display, uint64_t* content); // transactions and cash

} // namespace corvale
