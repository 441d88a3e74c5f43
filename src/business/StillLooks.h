#pragma once
// The still's texts, on the HUD layer: titles in the title font, the rest in the body font.
#include "core/draw/ScreenDraw.h"

namespace corvale::business {

constexpr TextLook MenuTitle(float scale, bool centred, Rgba colour = White()) {
    return TextLook{"$title", scale, scale, colour, centred, ScreenLayer::Hud};
}

constexpr TextLook MenuBody(float scale, bool centred, int32_t alpha = 255) {
    return TextLook{"$body", scale, scale, White(alpha), centred, ScreenLayer::Hud};
}

} // namespace corvale::business
