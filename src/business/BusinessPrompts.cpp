#include "business/BusinessPrompts.h"

#include "business/BusinessTexts.h"
#include "core/natives/Strings.h"

#include <initializer_list>

namespace corvale::business {

namespace {
// The menu's prompts are made plainly and report the game's answer alone.
PromptSetup Setup(int32_t kind, int32_t group, PromptPoll poll) {
    return PromptSetup{kind, group, poll, false};
}
constexpr int32_t kPress = 0;
constexpr int32_t kHold = 1;
constexpr int32_t kStandardizedHold = 3;
} // namespace

void BusinessPrompts::create(const BusinessTexts& t) {
    ledger.create(t.prompts.ledger, HashString("INPUT_SHOP_BUY"),
                  Setup(kStandardizedHold, kLedgerPromptGroup, PromptPoll::HoldCompleted));
    sell.create(t.prompts.sell, HashString("INPUT_SHOP_BUY"),
                Setup(kStandardizedHold, kWagonPromptGroup, PromptPoll::HoldCompleted));
    confirm.create(t.prompts.select, HashString("INPUT_FRONTEND_ACCEPT"),
                   Setup(kHold, 0, PromptPoll::HoldCompleted));
    select.create(t.prompts.select, HashString("INPUT_FRONTEND_ACCEPT"),
                  Setup(kPress, 0, PromptPoll::JustPressed));
    back.create(t.prompts.back, HashString("INPUT_FRONTEND_CANCEL"),
                Setup(kPress, 0, PromptPoll::JustPressed));
}

void BusinessPrompts::hideAll() {
    // Only wished: the game hears of it at commitAll, and only for a prompt that stays hidden.
    for (Prompt* p : {&ledger, &sell, &confirm, &select, &back})
        p->want(false, false);
}

void BusinessPrompts::commitAll() {
    for (Prompt* p : {&ledger, &sell, &confirm, &select, &back})
        p->commit();
}

} // namespace corvale::business
