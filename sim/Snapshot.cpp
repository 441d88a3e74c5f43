#include "Snapshot.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace sim {

namespace {

// Text height at scale 1.0, as a fraction of the screen height.
constexpr double kTextHeightAtScaleOne = 0.045;

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Colour(const Rgba& c) {
    char text[64];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", c.r, c.g, c.b);
    return text;
}

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

std::string Opacity(const Rgba& c, double factor = 1.0) {
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", c.a / 255.0 * factor);
    return text;
}

// Dark sprites (box backgrounds) still show their outline against the dark screen.
std::string Outline(const Rgba& c) {
    return std::max({c.r, c.g, c.b}) < 100 ? "rgb(110,110,110)" : Colour(c);
}

} // namespace

std::string ScreenSvg(const Screen& screen) {
    const double W = kSnapshotWidth, H = kSnapshotHeight;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kSnapshotWidth) + "\" height=\"" +
                      std::to_string(kSnapshotHeight) + "\" viewBox=\"0 0 " +
                      std::to_string(kSnapshotWidth) + " " + std::to_string(kSnapshotHeight) +
                      "\">\n<rect width=\"100%\" height=\"100%\" fill=\"rgb(24,24,24)\"/>\n";
    for (const DrawnSprite& s : screen.sprites) {
        const double x = s.x * W, y = s.y * H, w = s.width * W, h = s.height * H;
        svg += "<g><rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(w) +
               "\" height=\"" + Number(h) + "\" fill=\"" + Colour(s.colour) + "\" fill-opacity=\"" +
               Opacity(s.colour, 0.4) + "\" stroke=\"" + Outline(s.colour) +
               "\" stroke-width=\"1\"/><text x=\"" + Number(x + 2) + "\" y=\"" + Number(y + h - 2) +
               "\" font-family=\"monospace\" font-size=\"8\" fill=\"rgb(150,150,150)\">" +
               Escape(s.texture) + "</text></g>\n";
    }
    for (const DrawnText& t : screen.texts) {
        const double size = t.scaleY * kTextHeightAtScaleOne * H;
        const bool title = t.font == "$title";
        svg += "<text x=\"" + Number(t.x * W) + "\" y=\"" + Number(t.y * H) +
               "\" dominant-baseline=\"hanging\" font-family=\"" +
               (title ? "serif\" font-weight=\"bold" : "sans-serif") + "\" font-size=\"" +
               Number(size) + "\" fill=\"" + Colour(t.colour) + "\" fill-opacity=\"" +
               Opacity(t.colour) + "\">" + Escape(t.text) + "</text>\n";
    }
    svg += "</svg>\n";
    return svg;
}

bool WriteSnapshot(const std::string& path, const Screen& screen) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << ScreenSvg(screen);
    return static_cast<bool>(out);
}

} // namespace sim
