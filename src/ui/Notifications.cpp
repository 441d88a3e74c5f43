#include "ui/Notifications.h"

#include "core/draw/ScreenDraw.h"
#include "core/natives/Feed.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/TextureDictionaries.h"
#include "core/text/TextFormat.h"

#include <cstring>

namespace corvale {

namespace {

using native::Slot;

constexpr int kToastDictionaryTries = 20;
constexpr uint32_t kToastDictionaryWaitMs = 100;
constexpr int32_t kTransactionDurationMs = 450;

void LoadToastDictionary(const char* dictionary) {
    for (int attempt = 0; attempt < kToastDictionaryTries; ++attempt) {
        if (TextureDictLoaded(dictionary)) return;
        RequestTextureDict(dictionary);
        ScriptWait(kToastDictionaryWaitMs);
    }
}

} // namespace

template <size_t Display, size_t Content>
void Notifications::FeedBlocks<Display, Content>::clear() {
    std::memset(display, 0, sizeof display);
    std::memset(content, 0, sizeof content);
}

void Notifications::flushHelpText() {
    if (help_.text[0] == '\0') return;
    helpBlocks_.clear();
    helpBlocks_.display[0] = Slot(help_.durationMs);
    helpBlocks_.content[1] = help_.handle;
    PostHelpFeed(helpBlocks_.display, helpBlocks_.content);
    // Emptied whole, so a shorter text later never shows the end of this one.
    help_ = PendingHelp{};
}

void Notifications::flushToast() {
    if (toast_.title[0] == '\0') return;
    // The toast is shown even when its icon never loaded.
    LoadToastDictionary(toast_.dictionary);
    PostToast(toastBlocks_, toast_.title, toast_.body, toast_.dictionary, toast_.texture,
              toast_.durationMs);
    toast_ = PendingToast{};
}

void Notifications::showMessage(const char* text) {
    ShowMessageLine(text);
}

void Notifications::showHelpText(const char* text, int32_t durationMs) {
    help_ = PendingHelp{};
    CopyText(help_.text, text);
    help_.durationMs = durationMs;
    help_.handle = TextLiteral(help_.text);
}

void Notifications::queueToast(const char* title, const char* body, const char* dictionary,
                               const char* texture, int32_t durationMs) {
    CopyText(toast_.title, title);
    CopyText(toast_.body, body);
    CopyText(toast_.dictionary, dictionary);
    CopyText(toast_.texture, texture);
    toast_.durationMs = durationMs;
}

void Notifications::showTransaction(bool positive, Hash item, const char* iconDictionary,
                                    Hash iconHash) {
    transactionBlocks_.clear();
    transactionBlocks_.display[0] = Slot(kTransactionDurationMs);
    transactionBlocks_.display[1] = Slot("Transaction_Feed_Sounds");
    transactionBlocks_.display[2] =
        Slot(positive ? "Transaction_Positive" : "Transaction_Negative");
    transactionBlocks_.content[1] = ItemNameText(item);
    transactionBlocks_.content[2] = Slot(iconDictionary);
    transactionBlocks_.content[3] = Slot(iconHash != 0 ? iconHash : item);
    transactionBlocks_.content[4] = Slot(1);
    transactionBlocks_.content[5] = Slot(HashString(positive ? "COLOR_WHITE" : "COLOR_GREYMID"));
    PostSideToastFeed(transactionBlocks_.display, transactionBlocks_.content);
}

void Notifications::showCashChange(int32_t amountCents, int32_t durationMs) {
    PostCashChange(cashBlocks_, amountCents, durationMs);
}

void Notifications::flushPendingTexts() {
    flushHelpText();
    flushToast();
}

} // namespace corvale
