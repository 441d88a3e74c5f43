#include "core/text/TextWidth.h"

#include <cstring>

namespace corvale {

namespace {

// Glyph advances at scale 1.0, in screen widths. The average comes from the game's own
// price column, which reserves 0.0075 per digit at scale 0.476.
namespace glyph {
constexpr float kAverage = 0.0158f;
constexpr float kNarrow = 0.45f; // i l j t f r I ! | . , : ; ' `
constexpr float kSpace = 0.5f;
constexpr float kCapital = 1.15f;
constexpr float kWide = 1.45f; // M W m w @ %
constexpr const char* kNarrowSet = "iljtfrI!|.,:;'`";
constexpr const char* kWideSet = "MWmw@%";
} // namespace glyph

float GlyphFactor(unsigned char c) {
    if (c == ' ') return glyph::kSpace;
    if (std::strchr(glyph::kNarrowSet, c)) return glyph::kNarrow;
    if (std::strchr(glyph::kWideSet, c)) return glyph::kWide;
    if (c >= 'A' && c <= 'Z') return glyph::kCapital;
    return 1.0f;
}

} // namespace

float EstimateTextWidth(const char* text, float scaleX) {
    float widest = 0, line = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p && *p; ++p) {
        if (*p == '\n') {
            if (line > widest) widest = line;
            line = 0;
        } else if ((*p & 0xC0) != 0x80) { // once per UTF-8 character, not per byte
            line += GlyphFactor(*p);
        }
    }
    if (line > widest) widest = line;
    return widest * glyph::kAverage * scaleX;
}

float CentredTextX(const char* text, float x, float scaleX) {
    return x - EstimateTextWidth(text, scaleX) * 0.5f;
}

} // namespace corvale
