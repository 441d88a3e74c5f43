#include "ui/MenuInput.h"

#include "core/draw/ScreenDraw.h"
#include "core/natives/Controls.h"
#include "core/natives/Money.h"
#include "ui/FrontendSound.h"

#include <cmath>
#include <cstdio>

namespace corvale {

namespace {

constexpr Rgba kFrameColour{220, 0, 0, 255};
constexpr Rgba kDividerColour{229, 229, 229, 255};
constexpr int32_t kDisabledAlpha = 100;

void Sprite(const char* dictionary, const char* texture, float x, float y, float width,
            float height, Rgba c) {
    DrawSprite(dictionary, texture, BoxFromCorner(x, y, width, height), c, ScreenLayer::Background);
}

void Text(const char* text, float x, float y, Rgba c, float scale, const char* font = "$title") {
    DrawText(text, x, y, TextLook{font, scale, scale, c, false, ScreenLayer::Background});
}

bool AcceptPressed() {
    return IsControlJustPressed(kControlFrontendAccept) ||
           IsDisabledControlJustPressed(kControlFrontendAccept) ||
           IsControlJustPressed(kControlContextA) || IsDisabledControlJustPressed(kControlContextA);
}

int DecimalDigits(int32_t n) {
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

} // namespace

int32_t PriceCents(float dollars) {
    const double cents = std::floor(static_cast<double>(dollars) * 100.0 + 0.5);
    if (cents >= 2147483647.0) return INT32_MAX;
    if (cents <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(cents);
}

MenuInput::MenuInput(int32_t id, const char* label, const MenuInputShape& shape)
    : x(shape.x), width(shape.width), height(shape.height), margin(shape.margin),
      topInset(shape.topInset), leftInset(shape.leftInset), textScale(shape.textScale), id(id),
      label(label) {}

void MenuInput::update() {
    beforeDraw();
    Sprite("generic_textures", "selection_box_bg_1d", x + leftInset, y + topInset,
           width - leftInset, height - topInset, backgroundColour);
    if (selected_) drawSelectionFrame();
    drawContent();
    if (!disabled_ && selected_ && value_ != currentValue && AcceptPressed()) {
        PlayFrontendSound("HUD_SHOP_SOUNDSET", "SELECT");
        if (acceptCallback) acceptCallback(*this);
    }
    if (ticked_) drawTick();
}

void MenuInput::setValue(int32_t value) {
    if (!canChangeValue()) return;
    const int32_t previous = value_;
    value_ = value;
    onValueChanged();
    if (valueChangedCallback) valueChangedCallback(*this, previous);
}

void MenuInput::setDisabled(bool disabled) {
    disabled_ = disabled;
    textColour.alpha = disabled ? kDisabledAlpha : 255;
    if (disabled) selected_ = false;
}

void MenuInput::drawSelectionFrame() const {
    const float side = height - topInset;
    Sprite("menu_textures", "crafting_highlight_t", x, y, width, 0.015f, kFrameColour);
    Sprite("menu_textures", "crafting_highlight_b", x, y + height - topInset - margin, width,
           0.015f, kFrameColour);
    Sprite("menu_textures", "crafting_highlight_l", x - 0.003f, y + topInset, 0.006f, side,
           kFrameColour);
    Sprite("menu_textures", "crafting_highlight_r", x + width - 0.003f, y + topInset, 0.006f, side,
           kFrameColour);
}

void MenuInput::drawTick() const {
    const float s = height - 3.0f * margin;
    Sprite("generic_textures", "tick", x + width - margin - s * 0.5f, y + margin, s * 0.5f, s,
           textColour);
}

ShopMenuInput::ShopMenuInput(int32_t id, const char* label, float price,
                             const MenuInputShape& shape)
    : MenuInput(id, label, shape), price_(price) {}

void ShopMenuInput::drawContent() {
    // Only dims: the owner re-enables an entry when it sees fit.
    if (PlayerCashCents() < PriceCents(price())) setDisabled(true);
    const float labelY = y + topInset + height / 6.0f;
    Text(label, x + leftInset + margin, labelY, textColour, textScale, "$body");
    drawPriceColumn(labelY);
    afterDraw();
}

void ShopMenuInput::drawPriceColumn(float labelY) {
    const float px = x + leftInset + margin;
    if (price() <= 0.0f) return;
    if (value() == currentValue) {
        Sprite("menu_textures", "menu_icon_tick", px + width - 0.012f - 2.0f * margin,
               y + height * 0.5f - 0.0096f, 0.012f, 0.0192f, textColour);
        return;
    }
    const int32_t cents = PriceCents(price());
    const int32_t dollars = cents / 100;
    const float w = static_cast<float>(DecimalDigits(dollars) + 1) * 0.0075f + 0.022f + margin;
    const float left = px + width - w;
    char dollarText[16];
    std::snprintf(dollarText, sizeof dollarText, "$%d", dollars);
    Text(dollarText, left, labelY, textColour, textScale * 1.4f);
    char centText[4];
    std::snprintf(centText, sizeof centText, "%02d", cents % 100);
    const float centsX = w - 0.02f - margin + left;
    Text(centText, centsX, labelY + 0.001f, textColour, textScale * 0.92f);
    Sprite("menu_textures", "divider_line", centsX + 0.0015f, labelY + 0.02f, 0.01f, 0.0015f,
           kDividerColour);
}

} // namespace corvale
