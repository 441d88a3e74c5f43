#pragma once
// The feed entries both plug-ins post, with the argument blocks the game reads: a toast
// with an icon, and a cash change at the side of the screen. The blocks are the caller's,
// kept for as long as the plug-in runs and rewritten on every use.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

struct ToastBlocks {
    uint64_t display[4];
    uint64_t content[7];
};

struct CashChangeBlocks {
    uint64_t display[4];
    uint64_t content[9];
};

// The moonshine business's toast icon, hashed.
inline constexpr Hash kToastIconsMp = 0x2813B01F;          // "blips_mp"
inline constexpr Hash kIconBusinessMoonshine = 0x74EE27DB; // "blip_business_moonshine"

// Posts a toast at once; its icon's dictionary should be loaded (the toast shows without
// it). The texts must stay valid during the call.
void PostToast(ToastBlocks& blocks, const char* title, const char* body, const char* dictionary,
               const char* texture, int32_t durationMs);
// The same with the icon's dictionary and texture already hashed.
void PostToast(ToastBlocks& blocks, const char* title, const char* body, Hash dictionary,
               Hash texture, int32_t durationMs);

// Posts the cash feed entry of a gain, or of a loss (amountCents below 0) in red.
void PostCashChange(CashChangeBlocks& blocks, int32_t amountCents, int32_t durationMs);

} // namespace corvale
