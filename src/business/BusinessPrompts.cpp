#include "business/BusinessPrompts.h"

#include "business/BusinessTexts.h"
#include "core/natives/Strings.h"

#include <initializer_list>

namespace corvale::business {

void BusinessPrompt::create(const char* control, const char* text, Mode mode, int32_t group,
                            PromptFires fires) {
    fires_ = fires;
    handle_ = BeginPrompt();
    SetPromptControl(handle_, HashString(control));
    SetPromptText(handle_, TextLiteral(text));
    switch (mode) {
    case Mode::StandardizedHold:
        SetPromptStandardizedHoldMode(handle_);
        break;
    case Mode::Hold:
        SetPromptHoldMode(handle_);
        break;
    case Mode::Standard:
        SetPromptStandardMode(handle_);
        break;
    }
    if (group != 0) SetPromptGroup(handle_, group);
    EndPrompt(handle_);
    set(false, false);
}

void BusinessPrompt::set(bool enabled, bool visible) {
    enabled_ = enabled;
    visible_ = visible;
    SetPromptEnabled(handle_, enabled);
    SetPromptVisible(handle_, visible);
}

bool BusinessPrompt::used() const {
    return fires_ == PromptFires::OnHoldCompleted ? PromptHoldCompleted(handle_)
                                                  : PromptJustPressed(handle_);
}

void BusinessPrompts::create(const BusinessTexts& t) {
    using Mode = BusinessPrompt::Mode;
    ledger.create("INPUT_SHOP_BUY", t.ledgerPrompt, Mode::StandardizedHold, kLedgerPromptGroup,
                  PromptFires::OnHoldCompleted);
    sell.create("INPUT_SHOP_BUY", t.sellPrompt, Mode::StandardizedHold, kWagonPromptGroup,
                PromptFires::OnHoldCompleted);
    confirm.create("INPUT_FRONTEND_ACCEPT", t.selectPrompt, Mode::Hold, 0,
                   PromptFires::OnHoldCompleted);
    select.create("INPUT_FRONTEND_ACCEPT", t.selectPrompt, Mode::Standard, 0,
                  PromptFires::OnJustPressed);
    back.create("INPUT_FRONTEND_CANCEL", t.backPrompt, Mode::Standard, 0,
                PromptFires::OnJustPressed);
}

void BusinessPrompts::hideAll() {
    for (BusinessPrompt* p : {&ledger, &sell, &confirm, &select, &back})
        p->hide();
}

} // namespace corvale::business
