#pragma once
// Messages, help texts, toasts and feed entries. Help texts and toasts are queued and
// shown by FlushPendingTexts, once per frame from the camp's frame loop, so any component
// can request them during its tick.
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

// The one-shot message line, shown at once.
void ShowMessage(const char* text);

// Queues a help text box (cut to 499 characters); a second request before the flush
// replaces the first.
void ShowHelpText(const char* text, int32_t durationMs);

// Queues a toast with an icon from a texture dictionary (each text cut to 99
// characters); a second request before the flush replaces the first. A toast with an
// empty title is never shown.
void QueueToast(const char* title, const char* body, const char* dictionary, const char* texture,
                int32_t durationMs);

// An item gained (positive) or lost, shown at once in the transaction feed; iconHash 0
// means the item's own icon.
void ShowTransaction(bool positive, Hash item, const char* iconDictionary, Hash iconHash);

// A cash feed entry shown at once: callers pass dollars x 100 and 1000 ms. A loss shows
// its amount in red.
void ShowCashChange(int32_t amountCents, int32_t durationMs);

// Shows the pending help text, then the pending toast. Loading a toast's texture
// dictionary may hold the script for up to 20 waits of 100 ms.
void FlushPendingTexts();

} // namespace corvale
