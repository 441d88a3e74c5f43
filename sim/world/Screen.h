#pragma once
// What the plug-ins put on screen during one frame (cleared at the start of every frame),
// and the sounds played so far.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct Colour {
    int32_t r = 255, g = 255, b = 255, a = 255;
};

struct DrawnText {
    std::string text; // as drawn, mark-up included
    float x = 0, y = 0;
    float scaleX = 1, scaleY = 1;
    Colour colour;
};

struct DrawnSprite {
    std::string dict, texture;
    float x = 0, y = 0, width = 0, height = 0; // centre and size in screen fractions
    Colour colour;
};

struct PlayedSound {
    uint64_t frame = 0;
    std::string name, soundSet;
};

struct Screen {
    // This frame.
    std::vector<DrawnText> texts;
    std::vector<DrawnSprite> sprites;
    // The text style set for the next text drawn.
    Colour textColour;
    float textScaleX = 1, textScaleY = 1;
    // The whole run.
    std::vector<PlayedSound> sounds;
};

} // namespace sim
