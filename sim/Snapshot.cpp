#include "Snapshot.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

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

// Shown at the end of the frame: posted in `since` and lasting durationMs of game time.
bool Lasts(const World& w, uint64_t since, int32_t durationMs) {
    return since != 0 && since <= w.frame &&
           static_cast<int64_t>(w.frame - since) * w.frameMs < durationMs;
}

std::string Label(double x, double y, double size, const std::string& colour, bool bold,
                  const std::string& text, const char* anchor = "start") {
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) +
           "\" dominant-baseline=\"hanging\" text-anchor=\"" + anchor +
           "\" font-family=\"sans-serif\"" + (bold ? " font-weight=\"bold\"" : "") +
           " font-size=\"" + Number(size) + "\" fill=\"" + colour + "\">" + Escape(text) +
           "</text>\n";
}

std::string Box(double x, double y, double w, double h, const char* kind) {
    return "<rect class=\"" + std::string(kind) + "\" x=\"" + Number(x) + "\" y=\"" + Number(y) +
           "\" width=\"" + Number(w) + "\" height=\"" + Number(h) +
           "\" fill=\"rgb(0,0,0)\" fill-opacity=\"0.6\" stroke=\"rgb(110,110,110)\"/>\n";
}

std::string ControlName(const World& w, uint32_t control) {
    auto it = w.hashNames.find(control);
    if (it != w.hashNames.end()) return it->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", control);
    return text;
}

// The help text box, top left: the latest one while it lasts.
std::string HelpBox(const World& w) {
    const auto& all = w.screen.helpTexts;
    if (all.empty() || !Lasts(w, all.back().frame, all.back().durationMs)) return "";
    return Box(24, 24, 360, 64, "help") +
           Label(36, 36, 16, "rgb(229,229,229)", false, all.back().text);
}

// The toast, top centre: title over body.
std::string ToastBox(const World& w) {
    const auto& all = w.screen.toasts;
    if (all.empty() || !Lasts(w, all.back().frame, all.back().durationMs)) return "";
    const Toast& t = all.back();
    return Box(440, 24, 400, 72, "toast") +
           Label(640, 34, 20, "rgb(229,229,229)", true, t.title, "middle") +
           Label(640, 62, 15, "rgb(200,200,200)", false, t.body, "middle");
}

// The message, low in the middle, as the game prints an objective.
std::string MessageLine(const World& w) {
    if (w.messages.empty() || !Lasts(w, w.screen.messageFrame, kMessageShownMs)) return "";
    return Label(640, 600, 20, "rgb(229,229,229)", false, w.messages.back(), "middle");
}

// The feed at the right: every cash and transaction entry still shown, newest lowest.
std::string Feed(const World& w) {
    std::string out;
    double y = 140;
    for (const FeedEntry& e : w.screen.feed) {
        if (!Lasts(w, e.frame, e.durationMs)) continue;
        out += Box(1040, y, 216, 32, "feed") +
               Label(1052, y + 8, 16, "rgb(229,229,229)", false, e.text);
        y += 40;
    }
    return out;
}

// The prompts, bottom right: the shown group's title above its prompts and the ambient ones.
std::string PromptList(const World& w) {
    std::vector<const PromptState*> shown;
    bool grouped = false;
    for (const auto& [handle, p] : w.prompts.all)
        if (w.prompts.onScreen(p, w.frame)) {
            shown.push_back(&p);
            grouped = grouped || p.group != 0;
        }
    if (shown.empty()) return "";
    const double lineHeight = 26;
    const bool titled = grouped && !w.prompts.activeGroupTitle.empty();
    const double height = lineHeight * (shown.size() + (titled ? 1 : 0)) + 16;
    double y = 690 - height;
    std::string out = Box(900, y, 356, height, "prompts");
    y += 8;
    if (titled) {
        out += Label(912, y, 16, "rgb(229,229,229)", true, w.prompts.activeGroupTitle);
        y += lineHeight;
    }
    for (const PromptState* p : shown) {
        const std::string colour = p->enabled ? "rgb(229,229,229)" : "rgb(120,120,120)";
        out += Label(912, y, 15, colour, false, "[" + ControlName(w, p->control) + "] " + p->text);
        y += lineHeight;
    }
    return out;
}

} // namespace

std::string ScreenSvg(const World& world) {
    const Screen& screen = world.screen;
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
    svg += HelpBox(world) + ToastBox(world) + MessageLine(world) + Feed(world) + PromptList(world);
    svg += "</svg>\n";
    return svg;
}

bool WriteSnapshot(const std::string& path, const World& world) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << ScreenSvg(world);
    return static_cast<bool>(out);
}

} // namespace sim
