#include "core/draw/ScreenDraw.h"

#include "core/natives/Feed.h"
#include "core/natives/HudText.h"
#include "core/natives/Strings.h"
#include "core/text/Markup.h"

#include <cstdio>

namespace corvale {

namespace {

constexpr float kScreenWidthPx = 1920.0f;
constexpr float kScreenHeightPx = 1080.0f;

// What differs between the layers, as each plug-in was written for its own.
struct LayerCalls {
    void (*colour)(int32_t, int32_t, int32_t, int32_t);
    void (*display)(uint64_t, float, float);
    const char* markupColour; // the still's menu keeps its colour placeholder as written
    bool whiteUntold;         // opaque white needs no colour call before the text
    bool spriteFlag;
};

const LayerCalls& CallsOf(ScreenLayer layer) {
    static constexpr LayerCalls kBackground{SetTextColour, DisplayText, "#ffffff", false, true};
    static constexpr LayerCalls kHud{SetHudTextColour, DisplayHudText, "#%04X", true, false};
    return layer == ScreenLayer::Hud ? kHud : kBackground;
}

} // namespace

void DrawText(const char* text, float x, float y, const TextLook& look) {
    if (!text) text = "";
    const char* font = look.font ? look.font : "";
    const LayerCalls& calls = CallsOf(look.layer);
    const Rgba& c = look.colour;
    if (!calls.whiteUntold || !c.isOpaqueWhite()) calls.colour(c.red, c.green, c.blue, c.alpha);
    SetTextScale(look.scaleX, look.scaleY);
    // The game's own centring native is missing from the current build: centre here.
    if (look.centred) x = CentredTextX(text, x, look.scaleX);
    const uint64_t handle = TextLiteral(ComposeFontMarkup(font, calls.markupColour, text));
    calls.display(ColouredText(handle), x, y);
}

void DrawText(const char* text, float x, float y, int32_t red, int32_t green, int32_t blue,
              int32_t alpha, bool centred, float scaleX, float scaleY, const char* font) {
    DrawText(text, x, y,
             TextLook{font, scaleX, scaleY, Rgba{red, green, blue, alpha}, centred,
                      ScreenLayer::Background});
}

void DrawDebugText(const char* text) {
    DrawText(text, 0.0f, 0.0f, 255, 255, 255, 255, false, 0.7f, 0.7f, "$title");
}

void DrawDebugText(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    DrawDebugText(text);
}

void DrawDebugText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    DrawDebugText(text);
}

void ShowMessageLine(const char* text) {
    PrintObjectiveMessage(TextLiteral(text ? text : ""));
}

ScreenBox BoxFromPixels(float x, float y, float width, float height, bool topLeft) {
    if (topLeft) {
        x += width * 0.5f;
        y += height * 0.5f;
    }
    return ScreenBox{x / kScreenWidthPx, y / kScreenHeightPx, width / kScreenWidthPx,
                     height / kScreenHeightPx};
}

void DrawSprite(const char* dictionary, const char* texture, const ScreenBox& box, Rgba c,
                ScreenLayer layer, float rotation) {
    // The game positions sprites by their centre.
    DrawSpriteCentred(dictionary, texture, box.x, box.y, box.width, box.height, rotation, c.red,
                      c.green, c.blue, c.alpha, CallsOf(layer).spriteFlag);
}

void DrawSprite(const char* dictionary, const char* texture, float x, float y, float width,
                float height, float rotation, int32_t red, int32_t green, int32_t blue,
                int32_t alpha) {
    DrawSprite(dictionary, texture, BoxFromCorner(x, y, width, height),
               Rgba{red, green, blue, alpha}, ScreenLayer::Background, rotation);
}

} // namespace corvale
