// Text and sprites as the game receives them: colour, scale, mark-up and a position moved
// by the kit itself for centred text, since the game build has no centring native.
#include "ui/ScreenText.h"
#include "KitHost.h"

#include <gtest/gtest.h>

using namespace corvale;
using kit::KitHost;
using kit::Markup;

TEST(DrawText, SetsColourAndScaleThenDrawsTheWrappedMarkup) {
    KitHost host;
    DrawText("Tall Trees", 0.2f, 0.3f, 229, 228, 227, 200, false, 0.6f, 0.5f, "$title");
    const auto colour = host.callsTo(kit::kSetTextColour);
    ASSERT_EQ(colour.size(), 1u);
    EXPECT_EQ(colour[0].args, (std::vector<uint64_t>{229, 228, 227, 200}));
    const auto scale = host.callsTo(kit::kSetTextScale);
    ASSERT_EQ(scale.size(), 1u);
    EXPECT_FLOAT_EQ(kit::F(scale[0].args[0]), 0.6f);
    EXPECT_FLOAT_EQ(kit::F(scale[0].args[1]), 0.5f);
    const auto wraps = host.callsTo(kit::kVarString);
    ASSERT_EQ(wraps.size(), 2u);
    EXPECT_EQ(wraps[0].args[0], 10u);
    EXPECT_EQ(kit::S(wraps[0].args[2]), Markup("$title", "Tall Trees"));
    EXPECT_EQ(wraps[1].args.size(), 4u);
    EXPECT_EQ(wraps[1].args[0], 42u);
    EXPECT_EQ(kit::S(wraps[1].args[1]), "COLOR_STRING");
    EXPECT_EQ(wraps[1].args[2], 0u);
    const auto texts = host.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].markup, Markup("$title", "Tall Trees"));
    EXPECT_FLOAT_EQ(texts[0].x, 0.2f);
    EXPECT_FLOAT_EQ(texts[0].y, 0.3f);
}

TEST(DrawText, CentresByMovingXLeftWithoutTheMissingCentringNative) {
    KitHost host;
    DrawText("Choose a location", 0.14f, 0.07f, 229, 229, 229, 255, true, 0.6f, 0.6f, "$title");
    DrawText("Choose a location", 0.14f, 0.07f, 229, 229, 229, 255, false, 0.6f, 0.6f, "$title");
    EXPECT_TRUE(host.callsTo(kit::kSetTextCentre).empty()) << "the game stops on this native";
    const auto texts = host.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[0].x, 0.14f - EstimateTextWidth("Choose a location", 0.6f) / 2);
    EXPECT_LT(texts[0].x, 0.1f);
    EXPECT_FLOAT_EQ(texts[0].y, 0.07f);
    EXPECT_FLOAT_EQ(texts[1].x, 0.14f);
}

TEST(DrawText, EveryTextOfAFrameKeepsItsOwnMarkup) {
    KitHost host;
    for (int i = 0; i < 60; ++i) {
        const std::string label = "Entry " + std::to_string(i);
        DrawText(label.c_str(), 0.1f, 0.01f * i, 210, 210, 210, 255, false, 0.34f, 0.34f, "$body");
    }
    const auto texts = host.texts();
    ASSERT_EQ(texts.size(), 60u);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(texts[i].markup, Markup("$body", "Entry " + std::to_string(i)))
            << "the game may still read this text during the frame";
}

TEST(DrawText, AnOverlongTextKeepsItsClosingTag) {
    KitHost host;
    const std::string huge(40000, 'x');
    DrawText(huge.c_str(), 0, 0, 255, 255, 255, 255, false, 1, 1, "$body");
    const std::string markup = host.texts().at(0).markup;
    EXPECT_LT(markup.size(), 40000u);
    EXPECT_EQ(markup.rfind("<FONT FACE='$body' COLOR='#ffffff'>xxx", 0), 0u);
    EXPECT_EQ(markup.substr(markup.size() - 8), "x</FONT>");
}

TEST(DrawDebugText, DrawsWhiteTitleTextAtTheTopLeft) {
    KitHost host;
    DrawDebugText(int32_t{-42});
    DrawDebugText(1.5f);
    DrawDebugText("loading mp");
    const auto texts = host.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].markup, Markup("$title", "-42"));
    EXPECT_EQ(texts[1].markup, Markup("$title", "1.500000"));
    EXPECT_EQ(texts[2].markup, Markup("$title", "loading mp"));
    EXPECT_EQ(texts[2].x, 0.0f);
    EXPECT_EQ(texts[2].y, 0.0f);
    EXPECT_EQ(host.callsTo(kit::kSetTextColour)[0].args,
              (std::vector<uint64_t>{255, 255, 255, 255}));
    EXPECT_FLOAT_EQ(kit::F(host.callsTo(kit::kSetTextScale)[0].args[0]), 0.7f);
}

TEST(DrawSprite, HandsTheGameTheCentreOfTheBox) {
    KitHost host;
    DrawSprite("generic_textures", "tick", 0.2f, 0.1f, 0.04f, 0.02f, 0, 210, 210, 210, 255);
    const auto call = host.callsTo(kit::kDrawSprite).at(0);
    ASSERT_EQ(call.args.size(), 12u);
    EXPECT_FLOAT_EQ(kit::F(call.args[2]), 0.22f);
    EXPECT_FLOAT_EQ(kit::F(call.args[3]), 0.11f);
    EXPECT_FLOAT_EQ(kit::F(call.args[4]), 0.04f);
    EXPECT_FLOAT_EQ(kit::F(call.args[5]), 0.02f);
    EXPECT_EQ(call.args[11], 1u);
}
