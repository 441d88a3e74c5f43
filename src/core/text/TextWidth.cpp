#include "core/text/TextWidth.h"

namespace corvale {

namespace {

// Widths at scale 1 as fractions of the screen width: an average letter of the game's
// fonts is about 21 px of 1920; narrow and wide letters take about half and 1.4 of it.
constexpr float kAverageLetter = 0.011f;
constexpr float kNarrowFactor = 0.5f;
constexpr float kWideFactor = 1.4f;

float LetterFactor(unsigned char c) {
    switch (c) {
    case ' ':
    case '.':
    case ',':
    case ':':
    case ';':
    case '\'':
    case '!':
    case '|':
    case 'i':
    case 'l':
    case 'I':
    case 'j':
    case 't':
    case 'f':
    case '(':
    case ')':
        return kNarrowFactor;
    case 'm':
    case 'w':
    case 'M':
    case 'W':
    case '@':
    case '%':
        return kWideFactor;
    default:
        return 1.0f;
    }
}

} // namespace

float EstimateTextWidth(const char* text, float scale) {
    if (!text) return 0.0f;
    float widest = 0.0f, line = 0.0f;
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            if (line > widest) widest = line;
            line = 0.0f;
        } else if ((c & 0xC0) != 0x80) { // one per character, not per UTF-8 byte
            line += LetterFactor(c);
        }
    }
    if (line > widest) widest = line;
    return widest * kAverageLetter * scale;
}

float CentredTextX(const char* text, float x, float scale) {
    return x - EstimateTextWidth(text, scale) * 0.5f;
}

} // namespace corvale
