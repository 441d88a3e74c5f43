#pragma once
// A vertical list of menu entries with one selected entry, moved with the game's menu
// controls. Selection never lands on a disabled entry and never wraps around.
#include "ui/MenuInput.h"

#include <memory>
#include <vector>

namespace corvale {

class MenuList {
  public:
    MenuList() = default;
    MenuList(const MenuList&) = delete;
    MenuList& operator=(const MenuList&) = delete;

    // Appends an entry, owned by the list from now on.
    MenuInput& add(std::unique_ptr<MenuInput> entry);
    // The entry at index, or null when out of range.
    MenuInput* itemAt(int index) const;
    int count() const { return static_cast<int>(entries_.size()); }
    // The selected entry, or null; its index, or -1.
    MenuInput* selected() const { return selected_; }
    int selectedIndex() const { return selectedIndex_; }
    float totalHeight() const;
    void setTop(float y) { top_ = y; }

    // Selects the entry at index when it exists and is not disabled.
    bool selectIndex(int index);
    // Selects the first entry not disabled, or clears the selection when there is none.
    void selectFirst();
    // Selects the first entry after the selected one not disabled; false (selection kept)
    // when there is none.
    bool selectNext();

    // Once per frame while shown: lays the entries out from the top and updates them,
    // then moves the selection with the menu controls (with a click sound).
    void update();

  private:
    void select(int index); // index -1 clears
    void selectPrevious();

    std::vector<std::unique_ptr<MenuInput>> entries_;
    int selectedIndex_ = -1;
    MenuInput* selected_ = nullptr;
    float top_ = 0;
};

} // namespace corvale
