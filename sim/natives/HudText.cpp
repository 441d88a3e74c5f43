// Screen text and sprites: what the plug-ins draw each frame.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/HudArgs.h"

namespace sim {

namespace {

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

} // namespace

void RegisterHudTextNatives(NativeTable& t) {
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
}

} // namespace sim
