#pragma once
// Menu entries in the game's shop style: a boxed label, a red frame when selected, and a
// price column. Immediate mode: the owning MenuList updates every entry once per frame
// while the menu is shown; the owner gives meaning to an entry through its callbacks.
#include "core/draw/Rgba.h"

#include <cstdint>
#include <functional>

namespace corvale {

// Where an entry sits and how it is spaced, in screen fractions.
struct MenuInputShape {
    float x = 0;
    float width = 0;
    float height = 0;
    float margin = 0;
    float topInset = 0;
    float leftInset = 0;
    float textScale = 0.34f;
};

class MenuComponent {
  public:
    MenuComponent() = default;
    MenuComponent(const MenuComponent&) = delete;
    MenuComponent& operator=(const MenuComponent&) = delete;

    // Draws the component for this frame and reads its input.
    virtual void update() = 0;
    virtual ~MenuComponent() = default;
};

class MenuInput : public MenuComponent {
  public:
    using AcceptCallback = std::function<void(MenuInput&)>;
    using ValueChangedCallback = std::function<void(MenuInput&, int32_t previous)>;

    MenuInput(int32_t id, const char* label, const MenuInputShape& shape);

    // Draws background, frame, content and tick; the accept controls fire acceptCallback
    // on the selected entry unless it holds the current choice.
    void update() override;
    // Stores a new value when canChangeValue allows it, then onValueChanged and the callback.
    virtual void setValue(int32_t value);
    virtual void beforeDraw() {}                   // before the background
    virtual bool canChangeValue() { return true; } // may veto setValue
    virtual void onValueChanged() {}               // after a stored change
    virtual void drawContent() = 0;                // the label and what follows it

    // A disabled entry is dimmed, loses the selection and ignores accept.
    void setDisabled(bool disabled);
    void setTicked(bool ticked) { ticked_ = ticked; }

    bool selected() const { return selected_; }
    bool disabled() const { return disabled_; }
    bool ticked() const { return ticked_; }
    int32_t value() const { return value_; }

    float x, y = 0, width, height;
    float margin, topInset, leftInset;
    float textScale;
    Rgba textColour{210, 210, 210, 255};
    Rgba backgroundColour{36, 38, 36, 230};
    int32_t id;                // the owner's (a location id for the selector)
    const char* label;         // owned elsewhere, typically a Lang.dat value
    int32_t currentValue = -1; // the value of the current choice: accept does nothing on it
    AcceptCallback acceptCallback;
    ValueChangedCallback valueChangedCallback;

  private:
    friend class MenuList;

    void drawSelectionFrame() const;
    void drawTick() const;

    bool selected_ = false;
    bool disabled_ = false;
    bool ticked_ = false;
    int32_t value_ = 0;
};

// An entry with a price in dollars: dimmed while the player cannot pay it; the price
// column shows dollars with raised cents, or a tick for the current choice.
class ShopMenuInput : public MenuInput {
  public:
    ShopMenuInput(int32_t id, const char* label, float price, const MenuInputShape& shape);

    void drawContent() override;
    virtual float price() const { return price_; }
    virtual void afterDraw() {} // after the price column

  private:
    void drawPriceColumn(float labelY);

    float price_;
};

// A price in whole cents, rounded: a price of 1.05 is 105 cents although 1.05f * 100
// falls short of 105.
int32_t PriceCents(float dollars);

} // namespace corvale
