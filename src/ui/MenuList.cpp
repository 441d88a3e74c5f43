#include "ui/MenuList.h"

#include "core/natives/Controls.h"
#include "core/natives/Strings.h"
#include "ui/FrontendSound.h"

namespace corvale {

MenuInput& MenuList::add(std::unique_ptr<MenuInput> entry) {
    entries_.push_back(std::move(entry));
    return *entries_.back();
}

MenuInput* MenuList::itemAt(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return entries_[static_cast<size_t>(index)].get();
}

float MenuList::totalHeight() const {
    float total = 0;
    for (const auto& entry : entries_)
        total += entry->height;
    return total;
}

void MenuList::select(int index) {
    if (selected_) selected_->selected_ = false;
    selected_ = itemAt(index);
    selectedIndex_ = selected_ ? index : -1;
    if (selected_) selected_->selected_ = true;
}

bool MenuList::selectIndex(int index) {
    MenuInput* entry = itemAt(index);
    if (!entry || entry->disabled()) return false;
    select(index);
    return true;
}

void MenuList::selectFirst() {
    for (int i = 0; i < count(); ++i)
        if (selectIndex(i)) return;
    select(-1);
}

bool MenuList::selectNext() {
    for (int i = selectedIndex_ + 1; i < count(); ++i)
        if (selectIndex(i)) return true;
    return false;
}

void MenuList::selectPrevious() {
    for (int i = selectedIndex_ - 1; i >= 0; --i)
        if (selectIndex(i)) return;
}

void MenuList::update() {
    float y = top_;
    for (int i = 0; i < count(); ++i) {
        MenuInput& entry = *entries_[static_cast<size_t>(i)];
        entry.y = y;
        entry.update();
        y += entry.height;
    }
    // An entry dimmed while drawn (the player cannot pay it) passes the selection on.
    if (selected_ && selected_->disabled()) selectNext();
    if (IsDisabledControlJustPressed(kControlFrontendDown)) {
        PlayFrontendSound("HUD_SHOP_SOUNDSET", "INFO");
        selectNext();
        return;
    }
    if (IsDisabledControlJustPressed(kControlFrontendUp) ||
        IsControlJustPressed(HashString("INPUT_INSPECT_OPEN_SATCHEL"))) {
        PlayFrontendSound("HUD_SHOP_SOUNDSET", "INFO");
        selectPrevious();
    }
}

} // namespace corvale
