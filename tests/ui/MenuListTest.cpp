// The menu kit on the simulated screen: which entry the controls select, when accept fires,
// and what the price column draws.
#include "ui/MenuList.h"
#include "Hash.h"
#include "support/MenuEntryShape.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace corvale;
using corvale::testing::kMenuEntryShape;
using corvale::testing::ScriptHarness;

namespace {

ShopMenuInput& Add(MenuList& list, const char* label, float price = 0) {
    auto& entry =
        list.add(std::make_unique<ShopMenuInput>(list.count(), label, price, kMenuEntryShape));
    return static_cast<ShopMenuInput&>(entry);
}

const uint32_t kDown = sim::GameHash("INPUT_FRONTEND_DOWN");
const uint32_t kUp = sim::GameHash("INPUT_FRONTEND_UP");
const uint32_t kAccept = sim::GameHash("INPUT_FRONTEND_ACCEPT");
const uint32_t kSatchel = sim::GameHash("INPUT_INSPECT_OPEN_SATCHEL");

// "<FONT FACE='$body' COLOR='#ffffff'>Camp</FONT>" for text "Camp" in font "$body".
std::string Markup(const std::string& font, const std::string& text) {
    return "<FONT FACE='" + font + "' COLOR='#ffffff'>" + text + "</FONT>";
}

// A fresh screen with these controls tapped, then one frame of the list.
void Frame(ScriptHarness& h, MenuList& list, std::set<uint32_t> pressed = {}) {
    sim::World& w = h.world();
    w.controls.tapped = std::move(pressed);
    w.screen.texts.clear();
    w.screen.sprites.clear();
    w.screen.sounds.clear();
    list.update();
}

bool Drawn(ScriptHarness& h, const std::string& text, const std::string& font = "$title") {
    const auto& texts = h.world().screen.texts;
    return std::any_of(texts.begin(), texts.end(),
                       [&](const sim::DrawnText& t) { return t.markup == Markup(font, text); });
}

size_t SpritesNamed(ScriptHarness& h, const std::string& texture) {
    const auto& sprites = h.world().screen.sprites;
    return static_cast<size_t>(
        std::count_if(sprites.begin(), sprites.end(),
                      [&](const sim::DrawnSprite& s) { return s.texture == texture; }));
}

// The sounds played, as "SOUNDSET SOUND".
std::vector<std::string> Sounds(ScriptHarness& h) {
    std::vector<std::string> out;
    for (const auto& s : h.world().screen.sounds)
        out.push_back(s.soundSet + " " + s.sound);
    return out;
}

} // namespace

TEST(MenuListSelection, SkipsDisabledEntriesBothWays) {
    ScriptHarness host;
    MenuList list;
    Add(list, "Tall Trees");
    Add(list, "Heartlands").setDisabled(true);
    Add(list, "Bluewater Marsh");
    list.selectFirst();
    ASSERT_EQ(list.selectedIndex(), 0);
    Frame(host, list, {kDown});
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_TRUE(list.itemAt(2)->selected());
    EXPECT_FALSE(list.itemAt(0)->selected()) << "only one entry shows the red frame";
    Frame(host, list, {kUp});
    EXPECT_EQ(list.selectedIndex(), 0);
    Frame(host, list, {kSatchel});
    EXPECT_EQ(list.selectedIndex(), 0) << "previous never wraps to the end";
}

TEST(MenuListSelection, NextOnTheLastEntryKeepsItAndStillClicks) {
    ScriptHarness host;
    MenuList list;
    Add(list, "A");
    Add(list, "B");
    ASSERT_TRUE(list.selectIndex(1));
    Frame(host, list, {kDown});
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(Sounds(host), (std::vector<std::string>{"HUD_SHOP_SOUNDSET INFO"}));
    EXPECT_EQ(host.callsOf("_STOP_SOUND_WITH_NAME"), 1u) << "the click restarts";
}

TEST(MenuListSelection, SelectFirstAndSelectIndexNeverPickADisabledEntry) {
    MenuList list;
    EXPECT_EQ(list.itemAt(0), nullptr);
    list.selectFirst();
    EXPECT_EQ(list.selected(), nullptr);
    Add(list, "A").setDisabled(true);
    Add(list, "B");
    list.selectFirst();
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_FALSE(list.selectIndex(0));
    EXPECT_FALSE(list.selectIndex(2));
    EXPECT_FALSE(list.selectIndex(-1));
    EXPECT_EQ(list.selectedIndex(), 1);
    list.itemAt(1)->setDisabled(true);
    EXPECT_FALSE(list.itemAt(1)->selected());
    list.selectFirst();
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.selected(), nullptr);
    EXPECT_FALSE(list.selectNext());
}

TEST(MenuListUpdate, StacksEntriesFromTheTop) {
    ScriptHarness host;
    MenuList list;
    Add(list, "A");
    Add(list, "B");
    Add(list, "C").height = 0.08f;
    list.setTop(0.14f);
    EXPECT_FLOAT_EQ(list.totalHeight(), 0.18f);
    Frame(host, list);
    EXPECT_FLOAT_EQ(list.itemAt(0)->y, 0.14f);
    EXPECT_FLOAT_EQ(list.itemAt(1)->y, 0.19f);
    EXPECT_FLOAT_EQ(list.itemAt(2)->y, 0.24f);
    EXPECT_EQ(SpritesNamed(host, "selection_box_bg_1d"), 3u);
    EXPECT_EQ(SpritesNamed(host, "crafting_highlight_t"), 0u) << "nothing is selected";
}

TEST(MenuListUpdate, AnEntryThePlayerCannotPayLosesTheSelectionOnItsFirstFrame) {
    ScriptHarness host;
    host.world().player.cashCents = 2000;
    MenuList list;
    Add(list, "Cheap", 10.0f);
    Add(list, "Dear", 25.0f);
    Add(list, "Free", 0.0f);
    ASSERT_TRUE(list.selectIndex(1));
    Frame(host, list);
    EXPECT_TRUE(list.itemAt(1)->disabled());
    EXPECT_EQ(list.itemAt(1)->textColour.alpha, 100);
    EXPECT_FALSE(list.itemAt(0)->disabled());
    EXPECT_EQ(list.selectedIndex(), 2) << "the selection moves on in the same frame";
    host.world().player.cashCents = 100000;
    Frame(host, list);
    EXPECT_TRUE(list.itemAt(1)->disabled()) << "drawing never re-enables an entry";
}

TEST(MenuListUpdate, ExactlyEnoughCashPaysAPrice) {
    ScriptHarness host;
    host.world().player.cashCents = 15; // 0.15f * 100 is slightly above 15 in float
    MenuList list;
    Add(list, "Sample", 0.15f);
    Frame(host, list);
    EXPECT_FALSE(list.itemAt(0)->disabled());
}

TEST(MenuInputAccept, FiresOnTheSelectedEntryWithTheSelectSound) {
    ScriptHarness host;
    MenuList list;
    std::vector<int32_t> accepted;
    for (const char* label : {"A", "B"})
        Add(list, label).acceptCallback = [&](MenuInput& e) { accepted.push_back(e.id); };
    list.selectIndex(1);
    Frame(host, list, {kAccept});
    EXPECT_EQ(accepted, (std::vector<int32_t>{1}));
    EXPECT_EQ(Sounds(host), (std::vector<std::string>{"HUD_SHOP_SOUNDSET SELECT"}));
    Frame(host, list);
    EXPECT_EQ(accepted.size(), 1u) << "no accept without the control";
}

TEST(MenuInputAccept, DoesNothingOnTheCurrentChoiceOrADisabledEntry) {
    ScriptHarness host;
    MenuList list;
    int accepted = 0;
    ShopMenuInput& current = Add(list, "Current");
    current.acceptCallback = [&](MenuInput&) { ++accepted; };
    current.currentValue = current.value();
    list.selectIndex(0);
    Frame(host, list, {kAccept});
    EXPECT_EQ(accepted, 0);
    current.currentValue = -1;
    current.setDisabled(true);
    Frame(host, list, {kAccept});
    EXPECT_EQ(accepted, 0);
    EXPECT_TRUE(Sounds(host).empty());
}

TEST(MenuInputValue, ReportsThePreviousValueUnlessVetoed) {
    struct Locked final : ShopMenuInput {
        using ShopMenuInput::ShopMenuInput;
        bool canChangeValue() override { return unlocked; }
        void onValueChanged() override { ++hooked; }
        bool unlocked = false;
        int hooked = 0;
    };
    Locked entry(7, "Flavour", 0, kMenuEntryShape);
    std::vector<std::pair<int32_t, int32_t>> changes;
    entry.valueChangedCallback = [&](MenuInput& e, int32_t previous) {
        changes.emplace_back(previous, e.value());
    };
    entry.setValue(3);
    EXPECT_EQ(entry.value(), 0);
    entry.unlocked = true;
    entry.setValue(3);
    entry.setValue(5);
    EXPECT_EQ(changes, (std::vector<std::pair<int32_t, int32_t>>{{0, 3}, {3, 5}}));
    EXPECT_EQ(entry.hooked, 2);
}

TEST(ShopMenuInputPrice, DrawsDollarsWithRaisedCents) {
    ScriptHarness host;
    MenuList list;
    Add(list, "Mash", 7.5f);
    Add(list, "Corn", 3.04f);
    Add(list, "Sugar", 1.05f);
    Frame(host, list);
    EXPECT_TRUE(Drawn(host, "Mash", "$body"));
    EXPECT_TRUE(Drawn(host, "$7"));
    EXPECT_TRUE(Drawn(host, "50"));
    EXPECT_TRUE(Drawn(host, "$3"));
    EXPECT_TRUE(Drawn(host, "04"));
    EXPECT_TRUE(Drawn(host, "$1"));
    EXPECT_TRUE(Drawn(host, "05")) << "1.05 is 105 cents, not 104";
    EXPECT_EQ(SpritesNamed(host, "divider_line"), 3u);
}

TEST(ShopMenuInputPrice, PlacesTheColumnByTheDollarDigits) {
    ScriptHarness host;
    MenuList list;
    Add(list, "Wagon", 125.0f);
    Frame(host, list);
    // w = (3 digits + 1) x 0.0075 + 0.022 + margin; the column ends at the entry's right edge.
    const float w = 4 * 0.0075f + 0.022f + 0.005f;
    const float left = 0.045f + 0.005f + 0.19f - w;
    bool found = false;
    for (const auto& t : host.world().screen.texts) {
        if (t.markup == Markup("$title", "$125")) {
            found = true;
            EXPECT_FLOAT_EQ(t.x, left);
        }
        if (t.markup == Markup("$title", "00")) {
            EXPECT_FLOAT_EQ(t.x, w - 0.02f - 0.005f + left);
        }
    }
    EXPECT_TRUE(found);
}

TEST(ShopMenuInputPrice, ShowsATickForTheCurrentChoiceAndNothingForNoPrice) {
    ScriptHarness host;
    MenuList list;
    ShopMenuInput& chosen = Add(list, "Chosen", 4.0f);
    chosen.currentValue = chosen.value();
    Add(list, "Free", 0.0f).setTicked(true);
    Frame(host, list);
    EXPECT_EQ(SpritesNamed(host, "menu_icon_tick"), 1u);
    EXPECT_FALSE(Drawn(host, "$4"));
    EXPECT_EQ(SpritesNamed(host, "divider_line"), 0u);
    EXPECT_EQ(SpritesNamed(host, "tick"), 1u) << "the ticked entry's tick at its right edge";
}
