// Screen text and sprites, the message box, the feed and HUD contexts: what the plug-ins show.
#include "Simulator.h"
#include "natives/Families.h"

#include <cinttypes>
#include <cstdio>

namespace sim {

namespace {

// A text argument is a text handle the game made (VAR_STRING); anything else is a fault.
const std::string* HandleText(Simulator& sim, const NativeArgs& a, size_t n, const char* what) {
    const std::string* text = sim.world().texts.resolve(a.raw(n));
    if (!text) sim.fault(std::string(what) + " with an unknown text handle");
    return text;
}

// Argument blocks are caller-owned 8-byte slots.
const uint64_t* Block(Simulator& sim, const NativeArgs& a, size_t n, const char* what) {
    const uint64_t* block = a.p<const uint64_t>(n);
    if (!block) sim.fault(std::string(what) + " with a null argument block");
    return block;
}

int32_t SlotInt(const uint64_t* block, size_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(block[n]));
}

std::string SlotString(const uint64_t* block, size_t n) {
    const char* s = reinterpret_cast<const char*>(block[n]);
    return s ? s : "";
}

// The text of a slot that must hold a text handle.
std::string SlotText(Simulator& sim, const uint64_t* block, size_t n, const char* what) {
    const std::string* text = sim.world().texts.resolve(block[n]);
    if (!text) {
        sim.fault(std::string(what) + ": slot " + std::to_string(n) + " holds no text handle");
        return "";
    }
    return *text;
}

std::string HashName(const World& w, uint32_t hash) {
    auto it = w.hashNames.find(hash);
    if (it != w.hashNames.end()) return it->second;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIx32, hash);
    return text;
}

// "<FONT FACE='$body' COLOR='#ffffff'>Text</FONT>" -> font "$body", text "Text".
void ParseMarkup(const std::string& markup, DrawnText& out) {
    const size_t face = markup.find("FACE='");
    if (face != std::string::npos) {
        const size_t end = markup.find('\'', face + 6);
        if (end != std::string::npos) out.font = markup.substr(face + 6, end - face - 6);
    }
    out.text.clear();
    for (size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '<') {
            const size_t close = markup.find('>', i);
            if (close != std::string::npos) {
                i = close;
                continue;
            }
        }
        out.text += markup[i];
    }
}

void DisplayText(Call& c) {
    const std::string* markup = HandleText(c.sim, c.a, 0, "text drawn");
    if (!markup) return;
    Screen& s = c.w.screen;
    DrawnText t;
    t.markup = *markup;
    ParseMarkup(t.markup, t);
    t.x = c.f(1);
    t.y = c.f(2);
    t.scaleX = s.nextScaleX;
    t.scaleY = s.nextScaleY;
    t.colour = s.nextColour;
    s.texts.push_back(std::move(t));
    // Colour and scale hold for one text.
    s.nextColour = Rgba{};
    s.nextScaleX = s.nextScaleY = 1;
}

void SetTextColour(Call& c) {
    c.w.screen.nextColour = Rgba{c.i(0), c.i(1), c.i(2), c.i(3)};
}

void DrawSprite(Call& c) {
    DrawnSprite d;
    d.dictionary = c.s(0) ? c.s(0) : "";
    d.texture = c.s(1) ? c.s(1) : "";
    d.width = c.f(4);
    d.height = c.f(5);
    d.x = c.f(2) - d.width * 0.5f;
    d.y = c.f(3) - d.height * 0.5f;
    d.rotation = c.f(6);
    d.colour = Rgba{c.i(7), c.i(8), c.i(9), c.i(10)};
    c.w.screen.sprites.push_back(std::move(d));
}

void PostHelpText(Call& c) {
    const uint64_t* display = Block(c.sim, c.a, 0, "help text");
    const uint64_t* content = Block(c.sim, c.a, 1, "help text");
    if (!display || !content) return;
    World& w = c.w;
    HelpText h{SlotText(c.sim, content, 1, "help text"), SlotInt(display, 0), w.frame};
    c.sim.trace("help: " + h.text + " (" + std::to_string(h.durationMs) + " ms)");
    w.screen.helpTexts.push_back(std::move(h));
    c.r.setInt(static_cast<int32_t>(w.screen.helpTexts.size()));
}

void PostToast(Call& c) {
    const uint64_t* display = Block(c.sim, c.a, 0, "toast");
    const uint64_t* content = Block(c.sim, c.a, 1, "toast");
    if (!display || !content) return;
    World& w = c.w;
    Toast t;
    t.title = SlotText(c.sim, content, 1, "toast title");
    t.body = SlotText(c.sim, content, 2, "toast body");
    t.dictionary = HashName(w, static_cast<uint32_t>(content[4]));
    t.texture = HashName(w, static_cast<uint32_t>(content[5]));
    t.durationMs = SlotInt(display, 0);
    t.frame = w.frame;
    c.sim.trace("toast: " + t.title + " / " + t.body + " [" + t.dictionary + " " + t.texture + "]");
    w.screen.toasts.push_back(std::move(t));
    c.r.setInt(static_cast<int32_t>(w.screen.toasts.size()));
}

// Transactions carry a sound set in the display block; cash entries do not.
void PostSideToast(Call& c) {
    const uint64_t* display = Block(c.sim, c.a, 0, "feed entry");
    const uint64_t* content = Block(c.sim, c.a, 1, "feed entry");
    if (!display || !content) return;
    World& w = c.w;
    FeedEntry e;
    e.kind = display[1] ? FeedEntry::Kind::Transaction : FeedEntry::Kind::Cash;
    e.text = SlotText(c.sim, content, 1, "feed entry");
    e.dictionary = SlotString(content, 2);
    e.icon = static_cast<uint32_t>(content[3]);
    e.colour = static_cast<uint32_t>(content[5]);
    e.durationMs = SlotInt(display, 0);
    e.frame = w.frame;
    if (e.kind == FeedEntry::Kind::Transaction) {
        e.soundSet = SlotString(display, 1);
        e.sound = SlotString(display, 2);
    } else if (SlotText(c.sim, content, 8, "cash feed entry") != e.text) {
        c.sim.fault("cash feed entry: slots 1 and 8 hold different texts");
    }
    c.sim.trace(std::string("feed: ") +
                (e.kind == FeedEntry::Kind::Cash ? "cash " : "transaction ") + e.text + " colour " +
                HashName(w, e.colour) + (e.sound.empty() ? "" : " sound " + e.sound));
    w.screen.feed.push_back(std::move(e));
    c.r.setInt(static_cast<int32_t>(w.screen.feed.size()));
}

} // namespace

void RegisterHudNatives(NativeTable& t) {
    // The game has two sets of text natives; both draw the same way.
    t.add(0x16fa5ce47f184f1e, "_BG_SET_TEXT_COLOR", "int,int,int,int", SetTextColour);
    t.add(0x50a41ad966910f03, "_SET_TEXT_COLOR", "int,int,int,int", SetTextColour);
    t.add(0xa1253a3c870b6843, "_BG_SET_TEXT_SCALE", "float,float", [](Call& c) {
        c.w.screen.nextScaleX = c.f(0);
        c.w.screen.nextScaleY = c.f(1);
    });
    t.add(0x16794e044c9efb58, "_BG_DISPLAY_TEXT", "const char*,float,float", DisplayText);
    t.add(0xd79334a4bb99bad1, "_DISPLAY_TEXT", "const char*,float,float", DisplayText);
    t.add(0xc9884ecade94cb34, "DRAW_SPRITE",
          "const char*,const char*,float,float,float,float,float,int,int,int,int,BOOL", DrawSprite);
    t.add(0xfa233f8fe190514c, "_UILOG_SET_CACHED_OBJECTIVE", "const char*", [](Call& c) {
        const std::string* text = HandleText(c.sim, c.a, 0, "message");
        c.w.screen.cachedMessage = text ? *text : "";
    });
    t.add(0xe9990552dec71600, "_UILOG_PRINT_CACHED_OBJECTIVE", "", [](Call& c) {
        World& w = c.w;
        w.messages.push_back(w.screen.cachedMessage);
        w.screen.messageFrame = w.frame;
    });
    t.add(0xdff0d417277b41f8, "_UILOG_CLEAR_CACHED_OBJECTIVE", "",
          [](Call& c) { c.w.screen.cachedMessage.clear(); });
    t.add(0x049d5c615bd38bad, "_UI_FEED_POST_HELP_TEXT", "Any*,Any*,BOOL", PostHelpText);
    t.add(0x26e87218390e6729, "_UI_FEED_POST_SAMPLE_TOAST", "Any*,Any*,BOOL,BOOL", PostToast);
    t.add(0xb249ebcb30dd88e0, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", "Any*,Any*,BOOL", PostSideToast);
    // HUD contexts: the game's HUD layouts a script switches on (a shop's, for example).
    t.add(0x4cc5f2fc1332577f, "_ENABLE_HUD_CONTEXT", "Hash", [](Call& c) {
        World& w = c.w;
        if (w.hudContexts.enabled.insert(c.u(0)).second)
            c.sim.trace("HUD context on: " + HashName(w, c.u(0)));
    });
    t.add(0x8bc7c1f929d07bf3, "_DISABLE_HUD_CONTEXT", "Hash", [](Call& c) {
        World& w = c.w;
        if (w.hudContexts.enabled.erase(c.u(0)))
            c.sim.trace("HUD context off: " + HashName(w, c.u(0)));
    });
    t.add(0xc9caeaeec1256e54, "_ENABLE_HUD_CONTEXT_THIS_FRAME", "Hash", [](Call& c) {
        World& w = c.w;
        w.hudContexts.onlyInFrame[c.u(0)] = w.frame;
    });
}

} // namespace sim
