#pragma once
// Drawing for the still menu and the status panel: sprites in screen fractions or in pixels
// of a 1920 x 1080 screen, title and body text, front-end sounds. Everything drawn lasts
// one frame: call every frame it should stay on screen.
#include "business/LoadedDictionaries.h"

#include <cstdint>

namespace corvale::business {

struct Rgba {
    int32_t r = 255, g = 255, b = 255, a = 255;
};

constexpr Rgba White(int32_t alpha = 255) {
    return Rgba{255, 255, 255, alpha};
}

// Centre at (x, y), size w x h, all in screen fractions. Requests the dictionary while it is
// not loaded (asked at most once a frame, and no more once the game said it is loaded).
void DrawBusinessSprite(LoadedDictionaries& dicts, const char* dict, const char* texture, float x,
                        float y, float w, float h, Rgba colour);
// The same in pixels; (x, y) is the centre, or the top-left corner when topLeft is set.
void DrawBusinessSpritePixels(LoadedDictionaries& dicts, const char* dict, const char* texture,
                              float x, float y, float w, float h, Rgba colour,
                              bool topLeft = false);
// Screen fractions with (x, y) the top-left corner.
void DrawBusinessSpriteCorner(LoadedDictionaries& dicts, const char* dict, const char* texture,
                              float x, float y, float w, float h, Rgba colour);

// Text in the title or body font at (x, y); centred text is placed by its estimated width.
void DrawTitleText(const char* text, float x, float y, float scale, bool centred,
                   Rgba colour = White());
void DrawBodyText(const char* text, float x, float y, float scale, bool centred,
                  int32_t alpha = 255);

void PlayBusinessSound(const char* sound, const char* soundSet);

// The one-shot message line in the middle of the screen.
void ShowBusinessMessage(const char* text);

} // namespace corvale::business
