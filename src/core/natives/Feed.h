#pragma once
// The message line in the middle of the screen and the feed boxes (help texts, toasts,
// transactions). Feed blocks are caller-owned 8-byte slots that the game reads.
#include "core/natives/NativeCall.h"

namespace corvale {

// Names the feed blocks carry as hashes.
inline constexpr Hash kColourPureWhite = 0x067FA8F3; // "COLOR_PURE_WHITE"
inline constexpr Hash kItemTypeCash = 0x6D31416E;    // "ITEMTYPE_CASH"

// The one-shot message line.
void PrintObjectiveMessage(uint64_t text);

void PostHelpFeed(uint64_t* display, uint64_t* content);
void PostToastFeed(uint64_t* display, uint64_t* content);
void PostSideToastFeed(uint64_t* display, uint64_t* content); // transactions and cash

} // namespace corvale
