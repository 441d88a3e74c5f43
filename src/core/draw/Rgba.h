#pragma once
// A colour as the game's drawing natives take it: red, green, blue and opacity, 0 to 255.
#include <cstdint>

namespace corvale {

struct Rgba {
    int32_t red = 255, green = 255, blue = 255, alpha = 255;

    constexpr bool isOpaqueWhite() const {
        return red == 255 && green == 255 && blue == 255 && alpha == 255;
    }
};

constexpr Rgba White(int32_t alpha = 255) {
    return Rgba{255, 255, 255, alpha};
}

} // namespace corvale
