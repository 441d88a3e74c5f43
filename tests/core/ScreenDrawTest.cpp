// Text and sprites as the player sees them on the simulated screen: colour, scale, mark-up
// and a position moved by the kit itself for centred text, since the game build has no
// centring native.
#include "core/draw/ScreenDraw.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

// "<FONT FACE='$body' COLOR='#ffffff'>Camp</FONT>" for text "Camp" in font "$body".
std::string Markup(const std::string& font, const std::string& text) {
    return "<FONT FACE='" + font + "' COLOR='#ffffff'>" + text + "</FONT>";
}

} // namespace

TEST(DrawText, DrawsTheWrappedTextInItsColourAndScale) {
    ScriptHarness h;
    DrawText("Tall Trees", 0.2f, 0.3f, 229, 228, 227, 200, false, 0.6f, 0.5f, "$title");
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Tall Trees");
    EXPECT_EQ(texts[0].markup, Markup("$title", "Tall Trees"));
    EXPECT_EQ(texts[0].font, "$title");
    EXPECT_EQ(texts[0].colour.r, 229);
    EXPECT_EQ(texts[0].colour.g, 228);
    EXPECT_EQ(texts[0].colour.b, 227);
    EXPECT_EQ(texts[0].colour.a, 200);
    EXPECT_FLOAT_EQ(texts[0].scaleX, 0.6f);
    EXPECT_FLOAT_EQ(texts[0].scaleY, 0.5f);
    EXPECT_FLOAT_EQ(texts[0].x, 0.2f);
    EXPECT_FLOAT_EQ(texts[0].y, 0.3f);
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(DrawText, CentresByMovingXLeftWithoutTheMissingCentringNative) {
    ScriptHarness h;
    DrawText("Choose a location", 0.14f, 0.07f, 229, 229, 229, 255, true, 0.6f, 0.6f, "$title");
    DrawText("Choose a location", 0.14f, 0.07f, 229, 229, 229, 255, false, 0.6f, 0.6f, "$title");
    EXPECT_TRUE(h.sim().faults().empty()) << "the game stops on the centring native";
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[0].x, 0.14f - EstimateTextWidth("Choose a location", 0.6f) / 2);
    EXPECT_LT(texts[0].x, 0.1f);
    EXPECT_FLOAT_EQ(texts[0].y, 0.07f);
    EXPECT_FLOAT_EQ(texts[1].x, 0.14f);
}

TEST(DrawText, EveryTextOfAFrameKeepsItsOwnMarkup) {
    ScriptHarness h;
    for (int i = 0; i < 60; ++i) {
        const std::string label = "Entry " + std::to_string(i);
        DrawText(label.c_str(), 0.1f, 0.01f * i, 210, 210, 210, 255, false, 0.34f, 0.34f, "$body");
    }
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 60u);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(texts[i].markup, Markup("$body", "Entry " + std::to_string(i)))
            << "the game may still read this text during the frame";
}

TEST(DrawText, AnOverlongTextKeepsItsClosingTag) {
    ScriptHarness h;
    const std::string huge(40000, 'x');
    DrawText(huge.c_str(), 0, 0, 255, 255, 255, 255, false, 1, 1, "$body");
    const std::string markup = h.world().screen.texts.at(0).markup;
    EXPECT_LT(markup.size(), 40000u);
    EXPECT_EQ(markup.rfind("<FONT FACE='$body' COLOR='#ffffff'>xxx", 0), 0u);
    EXPECT_EQ(markup.substr(markup.size() - 8), "x</FONT>");
}

TEST(DrawDebugText, DrawsWhiteTitleTextAtTheTopLeft) {
    ScriptHarness h;
    DrawDebugText(int32_t{-42});
    DrawDebugText(1.5f);
    DrawDebugText("loading mp");
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].markup, Markup("$title", "-42"));
    EXPECT_EQ(texts[1].markup, Markup("$title", "1.500000"));
    EXPECT_EQ(texts[2].markup, Markup("$title", "loading mp"));
    EXPECT_EQ(texts[2].x, 0.0f);
    EXPECT_EQ(texts[2].y, 0.0f);
    EXPECT_EQ(texts[2].colour.r + texts[2].colour.g + texts[2].colour.b + texts[2].colour.a, 1020);
    EXPECT_FLOAT_EQ(texts[2].scaleX, 0.7f);
}

TEST(DrawSprite, AppearsWhereItsTopLeftCornerWasGiven) {
    ScriptHarness h;
    std::vector<uint64_t> lastFlags;
    corvale::testing::WatchNative(
        h.sim(), "DRAW_SPRITE", [&](const sim::NativeArgs& a) { lastFlags.push_back(a.raw(11)); });
    DrawSprite("generic_textures", "tick", 0.2f, 0.1f, 0.04f, 0.02f, 0, 210, 210, 210, 255);
    const auto& sprites = h.world().screen.sprites;
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_EQ(sprites[0].dictionary, "generic_textures");
    EXPECT_EQ(sprites[0].texture, "tick");
    EXPECT_FLOAT_EQ(sprites[0].x, 0.2f) << "the game is handed the centre, the box lands here";
    EXPECT_FLOAT_EQ(sprites[0].y, 0.1f);
    EXPECT_FLOAT_EQ(sprites[0].width, 0.04f);
    EXPECT_FLOAT_EQ(sprites[0].height, 0.02f);
    EXPECT_EQ(sprites[0].colour.r, 210);
    EXPECT_EQ(lastFlags, std::vector<uint64_t>{1}) << "the kit draws with the last flag set";
}

// The still's menu draws with the same kit on the HUD layer: its own natives, its mark-up as
// it was written, no colour call for opaque white, sprites by their centre and without the
// last flag, and pixel boxes of a 1920 x 1080 screen.
TEST(ScreenDraw, TheHudLayerDrawsAsTheStillsMenuWasWritten) {
    ScriptHarness h;
    std::vector<uint64_t> flags;
    corvale::testing::WatchNative(h.sim(), "DRAW_SPRITE",
                                  [&](const sim::NativeArgs& a) { flags.push_back(a.raw(11)); });
    const TextLook title{"$title", 0.75f, 0.75f, White(), true, ScreenLayer::Hud};
    DrawText("Moonshine", 0.165f, 0.055f, title);
    TextLook dim = title;
    dim.colour = Rgba{0, 0, 0, 120};
    dim.centred = false;
    DrawText("3", 0.1f, 0.7585f, dim);
    EXPECT_EQ(h.callsOf("_SET_TEXT_COLOR"), 1u) << "only the text that is not opaque white";
    EXPECT_EQ(h.callsOf("_DISPLAY_TEXT"), 2u);
    EXPECT_EQ(h.callsOf("_BG_DISPLAY_TEXT"), 0u);
    EXPECT_EQ(h.callsOf("_BG_SET_TEXT_COLOR"), 0u);
    const auto& texts = h.world().screen.texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].markup, "<FONT FACE='$title' COLOR='#%04X'>Moonshine</FONT>");
    EXPECT_FLOAT_EQ(texts[0].x, 0.165f - EstimateTextWidth("Moonshine", 0.75f) / 2);
    EXPECT_EQ(texts[0].colour.a, 255);
    EXPECT_EQ(texts[1].colour.r, 0);
    EXPECT_EQ(texts[1].colour.a, 120);
    EXPECT_FLOAT_EQ(texts[1].x, 0.1f);

    DrawSprite("generic_textures", "menu_header_1a",
               BoxFromPixels(92.0f, 51.8f, 442.0f, 108.0f, true), White(), ScreenLayer::Hud);
    DrawSprite("menu_textures", "crafting_highlight_l", BoxFromPixels(86.0f, 270.0f, 19.0f, 100.0f),
               Rgba{255, 0, 0, 255}, ScreenLayer::Hud);
    const auto& sprites = h.world().screen.sprites;
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_FLOAT_EQ(sprites[0].x, 92.0f / 1920.0f) << "a pixel box by its top-left corner";
    EXPECT_FLOAT_EQ(sprites[0].y, 51.8f / 1080.0f);
    EXPECT_FLOAT_EQ(sprites[0].width, 442.0f / 1920.0f);
    EXPECT_FLOAT_EQ(sprites[1].x + sprites[1].width / 2, 86.0f / 1920.0f) << "by its centre";
    EXPECT_FLOAT_EQ(sprites[1].y + sprites[1].height / 2, 270.0f / 1080.0f);
    EXPECT_EQ(sprites[1].colour.g, 0);
    EXPECT_EQ(flags, (std::vector<uint64_t>{0, 0}));
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(ScreenDraw, TheMessageLineShowsItsTextOrNothing) {
    ScriptHarness h;
    ShowMessageLine("Get on the wagon.");
    ShowMessageLine(nullptr);
    const auto& messages = h.world().messages;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Get on the wagon.");
    EXPECT_EQ(messages[1], "");
    EXPECT_TRUE(h.sim().faults().empty());
}
