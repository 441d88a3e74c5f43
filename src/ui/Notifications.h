#pragma once
// Messages, help texts, toasts and feed entries. Help texts and toasts are queued and shown
// by flushPendingTexts, once per frame from the camp's frame loop, so any component can
// request them during its tick. The camp session owns the one Notifications and hands it to
// the components that tell the player something; a test makes its own.
#include "core/natives/FeedEntries.h"
#include "core/natives/Inventory.h"
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

class Notifications final : public TransactionFeed {
  public:
    Notifications() = default;
    Notifications(const Notifications&) = delete;
    Notifications& operator=(const Notifications&) = delete;

    // The one-shot message line, shown at once.
    void showMessage(const char* text);

    // Queues a help text box (cut to 499 characters); a second request before the flush
    // replaces the first.
    void showHelpText(const char* text, int32_t durationMs);

    // Queues a toast with an icon from a texture dictionary (each text cut to 99
    // characters); a second request before the flush replaces the first. A toast with an
    // empty title is never shown.
    void queueToast(const char* title, const char* body, const char* dictionary,
                    const char* texture, int32_t durationMs);

    // An item gained (positive) or lost, shown at once in the transaction feed; iconHash 0
    // means the item's own icon. Item removals in the bridge show theirs here.
    void showTransaction(bool positive, Hash item, const char* iconDictionary,
                         Hash iconHash) override;

    // A cash feed entry shown at once: callers pass dollars x 100 and 1000 ms. A loss shows
    // its amount in red.
    void showCashChange(int32_t amountCents, int32_t durationMs);

    // Shows the pending help text, then the pending toast. Loading a toast's texture
    // dictionary may hold the script for up to 20 waits of 100 ms.
    void flushPendingTexts();

  private:
    // The feed natives read their argument blocks in 8-byte slots; one pair per kind of
    // entry, rewritten on every use.
    template <size_t Display, size_t Content> struct FeedBlocks {
        uint64_t display[Display];
        uint64_t content[Content];
        void clear();
    };
    struct PendingHelp {
        char text[500];
        int32_t durationMs;
        uint64_t handle;
    };
    struct PendingToast {
        char title[100];
        char body[100];
        char dictionary[100];
        char texture[100];
        int32_t durationMs;
    };

    void flushHelpText();
    void flushToast();

    FeedBlocks<4, 2> helpBlocks_{};
    ToastBlocks toastBlocks_{};
    FeedBlocks<4, 7> transactionBlocks_{};
    CashChangeBlocks cashBlocks_{};
    PendingHelp help_{};
    PendingToast toast_{};
};

} // namespace corvale
