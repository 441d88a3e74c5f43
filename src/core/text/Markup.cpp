#include "core/text/Markup.h"

#include "core/text/TextFormat.h"

#include <cstring>
#include <initializer_list>

namespace corvale {

namespace {

// The bridge's per-frame text cache: nothing is allocated while drawing.
char gRing[kMarkupRingBytes];
size_t gRingHead = 0;

constexpr const char* kOpen = "<FONT FACE='";
constexpr const char* kColour = "' COLOR='";
constexpr const char* kOpenEnd = "'>";
constexpr const char* kClose = "</FONT>";

} // namespace

const char* ComposeFontMarkup(const char* font, const char* colour, const char* text) {
    if (!font) font = "";
    if (!colour) colour = "";
    if (!text) text = "";
    size_t need = std::strlen(kClose) + 1;
    for (const char* part : {kOpen, font, kColour, colour, kOpenEnd, text})
        need += std::strlen(part);
    if (need > kMarkupRingBytes - gRingHead) gRingHead = 0;
    char* out = gRing + gRingHead;
    // Everything before the closing tag is cut to leave room for it.
    const size_t body = (need < kMarkupRingBytes ? need : kMarkupRingBytes) - std::strlen(kClose);
    size_t n = 0;
    for (const char* part : {kOpen, font, kColour, colour, kOpenEnd, text})
        n += CopyText(out + n, body - n, part);
    n += CopyText(out + n, kMarkupRingBytes - gRingHead - n, kClose);
    gRingHead += n + 1;
    return out;
}

} // namespace corvale
