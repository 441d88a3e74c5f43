#include "core/natives/FeedEntries.h"

#include "core/natives/Feed.h"
#include "core/natives/Strings.h"

#include <climits>
#include <cstring>

namespace corvale {

using native::Slot;

void PostToast(ToastBlocks& blocks, const char* title, const char* body, const char* dictionary,
               const char* texture, int32_t durationMs) {
    PostToast(blocks, title, body, HashString(dictionary), HashString(texture), durationMs);
}

void PostToast(ToastBlocks& blocks, const char* title, const char* body, Hash dictionary,
               Hash texture, int32_t durationMs) {
    std::memset(&blocks, 0, sizeof blocks);
    blocks.content[1] = TextLiteral(title);
    blocks.content[2] = TextLiteral(body);
    blocks.content[4] = Slot(dictionary);
    blocks.content[5] = Slot(texture);
    blocks.display[0] = Slot(durationMs);
    PostToastFeed(blocks.display, blocks.content);
}

void PostCashChange(CashChangeBlocks& blocks, int32_t amountCents, int32_t durationMs) {
    Hash colour = kColourPureWhite;
    int64_t amount = amountCents;
    if (amount < 0) {
        colour = HashString("COLOR_RED");
        amount = -amount;
    }
    // The largest loss cannot be made positive in 32 bits.
    const int32_t shown = amount > INT32_MAX ? INT32_MAX : static_cast<int32_t>(amount);
    const uint64_t text = CashAmountText(shown);
    std::memset(&blocks, 0, sizeof blocks);
    blocks.display[0] = Slot(durationMs);
    blocks.content[1] = text;
    blocks.content[2] = Slot("ITEMTYPE_TEXTURES");
    blocks.content[3] = Slot(kItemTypeCash);
    blocks.content[5] = Slot(colour);
    blocks.content[8] = text;
    PostSideToastFeed(blocks.display, blocks.content);
}

} // namespace corvale
