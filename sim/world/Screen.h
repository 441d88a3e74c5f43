#pragma once
// What the plug-ins put on the screen: this frame's drawn texts and sprites, and every
// message box, help text, toast, feed entry and sound shown so far.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct Rgba {
    int32_t r = 255, g = 255, b = 255, a = 255;
};

struct DrawnText {
    std::string text;   // without mark-up
    std::string markup; // as the plug-in composed it
    std::string font;   // the FONT FACE of the mark-up, e.g. "$body"
    float x = 0, y = 0; // top-left, screen fractions
    float scaleX = 1, scaleY = 1;
    Rgba colour;
};

struct DrawnSprite {
    std::string dictionary, texture;
    float x = 0, y = 0; // top-left (the game receives the centre)
    float width = 0, height = 0, rotation = 0;
    Rgba colour;
};

struct HelpText {
    std::string text;
    int32_t durationMs = 0;
    uint64_t frame = 0;
};

struct Toast {
    std::string title, body;
    std::string dictionary, texture; // names when the simulator saw them hashed
    int32_t durationMs = 0;
    uint64_t frame = 0;
};

// A transaction or cash entry of the feed at the side of the screen.
struct FeedEntry {
    enum class Kind { Transaction, Cash } kind = Kind::Transaction;
    std::string text;
    std::string dictionary; // icon dictionary
    uint32_t icon = 0;      // icon hash
    uint32_t colour = 0;    // colour hash
    std::string soundSet, sound;
    int32_t durationMs = 0;
    uint64_t frame = 0;
};

struct PlayedSound {
    std::string soundSet, sound;
    uint64_t frame = 0;
};

struct Screen {
    // This frame's, cleared at its start.
    std::vector<DrawnText> texts;
    std::vector<DrawnSprite> sprites;
    // Colour and scale set for the next drawn text.
    Rgba nextColour;
    float nextScaleX = 1, nextScaleY = 1;
    // The text the message box shows when printed, and the frame it was last printed in.
    std::string cachedMessage;
    uint64_t messageFrame = 0;

    // Everything shown so far, in order.
    std::vector<HelpText> helpTexts;
    std::vector<Toast> toasts;
    std::vector<FeedEntry> feed;
    std::vector<PlayedSound> sounds;

    void beginFrame() {
        texts.clear();
        sprites.clear();
        nextColour = Rgba{};
        nextScaleX = nextScaleY = 1;
    }
};

} // namespace sim
