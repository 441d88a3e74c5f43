// The menu kit against the fake host: which entry the controls select, when accept fires,
// and what the price column draws.
#include "ui/MenuList.h"
#include "KitHost.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace corvale;
using kit::KitHost;
using kit::Markup;

namespace {

constexpr MenuInputShape kShape{.x = 0.045f,
                                .width = 0.19f,
                                .height = 0.05f,
                                .margin = 0.005f,
                                .topInset = 0.005f,
                                .leftInset = 0,
                                .textScale = 0.34f};

ShopMenuInput& Add(MenuList& list, const char* label, float price = 0) {
    auto& entry = list.add(std::make_unique<ShopMenuInput>(list.count(), label, price, kShape));
    return static_cast<ShopMenuInput&>(entry);
}

// One frame of the list with these controls just pressed.
void Frame(KitHost& host, MenuList& list, std::set<uint32_t> pressed = {}) {
    host.pressed = std::move(pressed);
    host.clearCalls();
    list.update();
}

bool Drawn(const KitHost& host, const std::string& text, const std::string& font = "$title") {
    const auto texts = host.texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const kit::Text& t) { return t.markup == Markup(font, text); });
}

size_t SpritesNamed(const KitHost& host, const std::string& texture) {
    const auto sprites = host.sprites();
    return static_cast<size_t>(
        std::count_if(sprites.begin(), sprites.end(),
                      [&](const kit::Sprite& s) { return s.texture == texture; }));
}

} // namespace

TEST(MenuListSelection, SkipsDisabledEntriesBothWays) {
    KitHost host;
    MenuList list;
    Add(list, "Tall Trees");
    Add(list, "Heartlands").setDisabled(true);
    Add(list, "Bluewater Marsh");
    list.selectFirst();
    ASSERT_EQ(list.selectedIndex(), 0);
    Frame(host, list, {kit::kDown});
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_TRUE(list.itemAt(2)->selected());
    EXPECT_FALSE(list.itemAt(0)->selected()) << "only one entry shows the red frame";
    Frame(host, list, {kit::kUp});
    EXPECT_EQ(list.selectedIndex(), 0);
    Frame(host, list, {kit::kSatchel});
    EXPECT_EQ(list.selectedIndex(), 0) << "previous never wraps to the end";
}

TEST(MenuListSelection, NextOnTheLastEntryKeepsItAndStillClicks) {
    KitHost host;
    MenuList list;
    Add(list, "A");
    Add(list, "B");
    ASSERT_TRUE(list.selectIndex(1));
    Frame(host, list, {kit::kDown});
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(host.sounds(), (std::vector<std::string>{"HUD_SHOP_SOUNDSET INFO"}));
    EXPECT_EQ(host.callsTo(kit::kStopSound).size(), 1u) << "the click restarts";
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
    KitHost host;
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
    KitHost host;
    host.cashCents = 2000;
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
    host.cashCents = 100000;
    Frame(host, list);
    EXPECT_TRUE(list.itemAt(1)->disabled()) << "drawing never re-enables an entry";
}

TEST(MenuListUpdate, ExactlyEnoughCashPaysAPrice) {
    KitHost host;
    host.cashCents = 15; // 0.15f * 100 is slightly above 15 in float
    MenuList list;
    Add(list, "Sample", 0.15f);
    Frame(host, list);
    EXPECT_FALSE(list.itemAt(0)->disabled());
}

TEST(MenuInputAccept, FiresOnTheSelectedEntryWithTheSelectSound) {
    KitHost host;
    MenuList list;
    std::vector<int32_t> accepted;
    for (const char* label : {"A", "B"})
        Add(list, label).acceptCallback = [&](MenuInput& e) { accepted.push_back(e.id); };
    list.selectIndex(1);
    Frame(host, list, {kit::kAccept});
    EXPECT_EQ(accepted, (std::vector<int32_t>{1}));
    EXPECT_EQ(host.sounds(), (std::vector<std::string>{"HUD_SHOP_SOUNDSET SELECT"}));
    Frame(host, list);
    EXPECT_EQ(accepted.size(), 1u) << "no accept without the control";
}

TEST(MenuInputAccept, DoesNothingOnTheCurrentChoiceOrADisabledEntry) {
    KitHost host;
    MenuList list;
    int accepted = 0;
    ShopMenuInput& current = Add(list, "Current");
    current.acceptCallback = [&](MenuInput&) { ++accepted; };
    current.currentValue = current.value();
    list.selectIndex(0);
    Frame(host, list, {kit::kAccept});
    EXPECT_EQ(accepted, 0);
    current.currentValue = -1;
    current.setDisabled(true);
    Frame(host, list, {kit::kAccept});
    EXPECT_EQ(accepted, 0);
    EXPECT_TRUE(host.sounds().empty());
}

TEST(MenuInputValue, ReportsThePreviousValueUnlessVetoed) {
    struct Locked final : ShopMenuInput {
        using ShopMenuInput::ShopMenuInput;
        bool canChangeValue() override { return unlocked; }
        void onValueChanged() override { ++hooked; }
        bool unlocked = false;
        int hooked = 0;
    };
    Locked entry(7, "Flavour", 0, kShape);
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
    KitHost host;
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
    KitHost host;
    MenuList list;
    Add(list, "Wagon", 125.0f);
    Frame(host, list);
    // w = (3 digits + 1) x 0.0075 + 0.022 + margin; the column ends at the entry's right edge.
    const float w = 4 * 0.0075f + 0.022f + 0.005f;
    const float left = 0.045f + 0.005f + 0.19f - w;
    bool found = false;
    for (const auto& t : host.texts()) {
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
    KitHost host;
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
