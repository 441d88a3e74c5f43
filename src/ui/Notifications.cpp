#include "ui/Notifications.h"

#include "core/natives/Feed.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/natives/TextureDictionaries.h"
#include "core/text/TextFormat.h"

#include <cstring>

namespace corvale {

namespace {

using native::Raw64;
using native::Slot;

// The feed natives read their argument blocks in 8-byte slots; one pair per kind of
// entry, rewritten on every use.
template <size_t Display, size_t Content> struct FeedBlocks {
    uint64_t display[Display];
    uint64_t content[Content];

    void clear() {
        std::memset(display, 0, sizeof display);
        std::memset(content, 0, sizeof content);
    }
};

FeedBlocks<4, 2> gHelpBlocks;
FeedBlocks<4, 7> gToastBlocks;
FeedBlocks<4, 7> gTransactionBlocks;
FeedBlocks<4, 9> gCashBlocks;

struct PendingHelp {
    char text[500];
    int32_t durationMs;
    uint64_t handle;
};
PendingHelp gHelp{};

struct PendingToast {
    char title[100];
    char body[100];
    char dictionary[100];
    char texture[100];
    int32_t durationMs;
};
PendingToast gToast{};

constexpr int kToastDictionaryTries = 20;
constexpr uint32_t kToastDictionaryWaitMs = 100;
constexpr int32_t kTransactionDurationMs = 450;

void FlushHelpText() {
    if (gHelp.text[0] == '\0') return;
    gHelpBlocks.clear();
    gHelpBlocks.display[0] = Slot(gHelp.durationMs);
    gHelpBlocks.content[1] = gHelp.handle;
    PostHelpFeed(gHelpBlocks.display, gHelpBlocks.content);
    // Emptied whole, so a shorter text later never shows the end of this one.
    gHelp = PendingHelp{};
}

void LoadToastDictionary(const char* dictionary) {
    for (int attempt = 0; attempt < kToastDictionaryTries; ++attempt) {
        if (TextureDictLoaded(dictionary)) return;
        RequestTextureDict(dictionary);
        ScriptWait(kToastDictionaryWaitMs);
    }
}

void FlushToast() {
    if (gToast.title[0] == '\0') return;
    // The toast is shown even when its icon never loaded.
    LoadToastDictionary(gToast.dictionary);
    gToastBlocks.clear();
    gToastBlocks.content[1] = TextLiteral(gToast.title);
    gToastBlocks.content[2] = TextLiteral(gToast.body);
    gToastBlocks.content[4] = Slot(HashString(gToast.dictionary));
    gToastBlocks.content[5] = Slot(HashString(gToast.texture));
    gToastBlocks.display[0] = Slot(gToast.durationMs);
    PostToastFeed(gToastBlocks.display, gToastBlocks.content);
    gToast = PendingToast{};
}

} // namespace

void ShowMessage(const char* text) {
    PrintObjectiveMessage(TextLiteral(text ? text : ""));
}

void ShowHelpText(const char* text, int32_t durationMs) {
    gHelp = PendingHelp{};
    CopyText(gHelp.text, text);
    gHelp.durationMs = durationMs;
    gHelp.handle = TextLiteral(gHelp.text);
}

void QueueToast(const char* title, const char* body, const char* dictionary, const char* texture,
                int32_t durationMs) {
    CopyText(gToast.title, title);
    CopyText(gToast.body, body);
    CopyText(gToast.dictionary, dictionary);
    CopyText(gToast.texture, texture);
    gToast.durationMs = durationMs;
}

void ShowTransaction(bool positive, Hash item, const char* iconDictionary, Hash iconHash) {
    gTransactionBlocks.clear();
    gTransactionBlocks.display[0] = Slot(kTransactionDurationMs);
    gTransactionBlocks.display[1] = Slot("Transaction_Feed_Sounds");
    gTransactionBlocks.display[2] =
        Slot(positive ? "Transaction_Positive" : "Transaction_Negative");
    gTransactionBlocks.content[1] = ItemNameText(item);
    gTransactionBlocks.content[2] = Slot(iconDictionary);
    gTransactionBlocks.content[3] = Slot(iconHash != 0 ? iconHash : item);
    gTransactionBlocks.content[4] = Slot(1);
    gTransactionBlocks.content[5] = Slot(HashString(positive ? "COLOR_WHITE" : "COLOR_GREYMID"));
    PostSideToastFeed(gTransactionBlocks.display, gTransactionBlocks.content);
}

void ShowCashChange(int32_t amountCents, int32_t durationMs) {
    Hash colour = kColourPureWhite;
    int64_t amount = amountCents;
    if (amount < 0) {
        colour = HashString("COLOR_RED");
        amount = -amount;
    }
    // The largest loss cannot be made positive in 32 bits.
    const int32_t shown = amount > INT32_MAX ? INT32_MAX : static_cast<int32_t>(amount);
    const uint64_t text = CashAmountText(shown);
    gCashBlocks.clear();
    gCashBlocks.display[0] = Slot(durationMs);
    gCashBlocks.content[1] = text;
    gCashBlocks.content[2] = Slot("ITEMTYPE_TEXTURES");
    gCashBlocks.content[3] = Slot(kItemTypeCash);
    gCashBlocks.content[5] = Slot(colour);
    gCashBlocks.content[8] = text;
    PostSideToastFeed(gCashBlocks.display, gCashBlocks.content);
}

void FlushPendingTexts() {
    FlushHelpText();
    FlushToast();
}

} // namespace corvale
