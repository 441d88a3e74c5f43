// Messages, help texts, toasts and feed entries as the simulated game receives them: the
// argument blocks slot by slot, the cuts, the one pending entry of each kind, and the toast
// that waits for its icon but never for ever.
#include "Hash.h"
#include "core/natives/Strings.h"
#include "support/KitFeed.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;

namespace {

constexpr const char* kPostHelp = "_UI_FEED_POST_HELP_TEXT";
constexpr const char* kPostToast = "_UI_FEED_POST_SAMPLE_TOAST";
constexpr const char* kPostSideToast = "_UI_FEED_POST_SAMPLE_TOAST_RIGHT";
const uint64_t kRequestTextureDict = corvale::testing::NativeHash("REQUEST_STREAMED_TEXTURE_DICT");

struct NotificationsTest : ::testing::Test {
    void SetUp() override {
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        corvale::host::Install(corvale::host::PlatformHost());
    }
    sim::World& world() { return simulator->world(); }
    std::string text(uint64_t handle) {
        const std::string* t = world().texts.resolve(handle);
        return t ? *t : "<no text handle>";
    }
    std::string str(uint64_t slot) { return reinterpret_cast<const char*>(slot); }
    uint64_t requests() {
        auto it = simulator->figures().census().find(kRequestTextureDict);
        return it == simulator->figures().census().end() ? 0 : it->second.calls;
    }
    // Queues a toast and flushes it inside a script; runs frames until it was posted.
    void flushToastInScript(const char* dictionary) {
        bool done = false;
        corvale::testing::EveryFrame(*simulator, [&, dictionary] {
            if (done) return;
            notes.queueToast("Moonshine", "The camp moved to Tall Trees", dictionary,
                             "blip_business_moonshine", 5000);
            notes.flushPendingTexts();
            done = true;
        });
        for (int i = 0; i < 200 && !done; ++i)
            simulator->runFrame();
        ASSERT_TRUE(done) << "the flush never finished";
    }
    std::unique_ptr<sim::Simulator> simulator;
    Notifications notes;
};

} // namespace

TEST_F(NotificationsTest, AMessageGoesStraightToTheMessageBox) {
    notes.showMessage("Debug tools ON");
    notes.showMessage("Failed to load Corvale, please check the logs for more info.");
    EXPECT_EQ(
        world().messages,
        (std::vector<std::string>{"Debug tools ON",
                                  "Failed to load Corvale, please check the logs for more info."}));
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, AHelpTextBlockHoldsTheDurationAndTheTextHandle) {
    auto seen = kit::CaptureFeed(*simulator, kPostHelp, 4, 2);
    notes.showHelpText("Press the ledger to choose a location", 5000);
    EXPECT_TRUE(world().screen.helpTexts.empty()) << "queued until the flush";
    notes.flushPendingTexts();
    ASSERT_EQ(seen->size(), 1u);
    const kit::CapturedFeed& f = seen->at(0);
    EXPECT_EQ(f.display, (std::vector<uint64_t>{5000, 0, 0, 0}));
    EXPECT_EQ(f.content[0], 0u);
    EXPECT_EQ(text(f.content[1]), "Press the ledger to choose a location");
    EXPECT_EQ(f.flags, (std::vector<uint64_t>{1}));
    ASSERT_EQ(world().screen.helpTexts.size(), 1u);
    EXPECT_EQ(world().screen.helpTexts[0].durationMs, 5000);
    notes.flushPendingTexts();
    EXPECT_EQ(seen->size(), 1u) << "a flushed help text is gone";
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, ASecondHelpTextInAFrameReplacesTheFirst) {
    notes.showHelpText("first", 5000);
    notes.showHelpText("second", 3000);
    notes.flushPendingTexts();
    ASSERT_EQ(world().screen.helpTexts.size(), 1u);
    EXPECT_EQ(world().screen.helpTexts[0].text, "second");
    EXPECT_EQ(world().screen.helpTexts[0].durationMs, 3000);
}

TEST_F(NotificationsTest, HelpTextIsCutTo499CharactersAndLeavesNothingBehind) {
    notes.showHelpText(std::string(600, 'h').c_str(), 5000);
    notes.flushPendingTexts();
    notes.showHelpText("short", 5000);
    notes.flushPendingTexts();
    ASSERT_EQ(world().screen.helpTexts.size(), 2u);
    EXPECT_EQ(world().screen.helpTexts[0].text, std::string(499, 'h'));
    EXPECT_EQ(world().screen.helpTexts[1].text, "short");
}

TEST_F(NotificationsTest, AToastBlockHoldsTitleBodyAndIconHashesInSevenSlots) {
    auto seen = kit::CaptureFeed(*simulator, kPostToast, 4, 7);
    flushToastInScript("blips_mp");
    ASSERT_EQ(seen->size(), 1u);
    const kit::CapturedFeed& f = seen->at(0);
    EXPECT_EQ(f.display, (std::vector<uint64_t>{5000, 0, 0, 0}));
    EXPECT_EQ(f.content[0], 0u);
    EXPECT_EQ(text(f.content[1]), "Moonshine");
    EXPECT_EQ(text(f.content[2]), "The camp moved to Tall Trees");
    EXPECT_EQ(f.content[3], 0u);
    EXPECT_EQ(f.content[4], sim::GameHash("blips_mp"));
    EXPECT_EQ(f.content[5], sim::GameHash("blip_business_moonshine"));
    EXPECT_EQ(f.content[6], 0u);
    EXPECT_EQ(f.flags, (std::vector<uint64_t>{1, 1}));
    ASSERT_EQ(world().screen.toasts.size(), 1u);
    EXPECT_EQ(world().screen.toasts[0].dictionary, "blips_mp");
    EXPECT_EQ(world().screen.toasts[0].texture, "blip_business_moonshine");
    EXPECT_EQ(requests(), 1u) << "a dictionary that loads is requested once and waited for";
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, AToastIsShownAfter20TriesWhenItsDictionaryNeverLoads) {
    world().streaming.never.insert(sim::GameHash("blips_mp"));
    flushToastInScript("blips_mp");
    ASSERT_EQ(world().screen.toasts.size(), 1u);
    EXPECT_EQ(world().screen.toasts[0].title, "Moonshine");
    EXPECT_EQ(requests(), 20u);
    EXPECT_GE(world().gameTimer, 2000) << "20 waits of 100 ms";
    EXPECT_LT(world().gameTimer, 3000);
}

TEST_F(NotificationsTest, ToastFieldsAreCutTo99Characters) {
    const std::string title(150, 't'), body(150, 'b');
    bool done = false;
    corvale::testing::EveryFrame(*simulator, [&] {
        if (done) return;
        notes.queueToast(title.c_str(), body.c_str(), "blips_mp", "blip_business_moonshine", 5000);
        notes.flushPendingTexts();
        done = true;
    });
    simulator->runFrames(30);
    ASSERT_EQ(world().screen.toasts.size(), 1u);
    EXPECT_EQ(world().screen.toasts[0].title, std::string(99, 't'));
    EXPECT_EQ(world().screen.toasts[0].body, std::string(99, 'b'));
}

TEST_F(NotificationsTest, AToastWithAnEmptyTitleIsNeverShown) {
    notes.queueToast("", "body only", "blips_mp", "blip_business_moonshine", 5000);
    notes.flushPendingTexts(); // outside a script: a wait here would be a fault
    EXPECT_TRUE(world().screen.toasts.empty());
    EXPECT_EQ(requests(), 0u);
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, ATransactionBlockNamesTheItemSoundAndColour) {
    auto seen = kit::CaptureFeed(*simulator, kPostSideToast, 4, 7);
    const Hash mint = HashString("consumable_herb_wild_mint");
    const Hash icon = HashString("provision_wldflwr_wild_mint");
    notes.showTransaction(false, mint, "inventory_items", 0);
    notes.showTransaction(true, mint, "inventory_items", icon);
    ASSERT_EQ(seen->size(), 2u);
    const kit::CapturedFeed& lost = seen->at(0);
    EXPECT_EQ(lost.display[0], 450u);
    EXPECT_EQ(str(lost.display[1]), "Transaction_Feed_Sounds");
    EXPECT_EQ(str(lost.display[2]), "Transaction_Negative");
    EXPECT_EQ(lost.display[3], 0u);
    EXPECT_EQ(lost.content[0], 0u);
    EXPECT_EQ(text(lost.content[1]), "consumable_herb_wild_mint");
    EXPECT_EQ(str(lost.content[2]), "inventory_items");
    EXPECT_EQ(lost.content[3], mint) << "no icon given: the item's own";
    EXPECT_EQ(lost.content[4], 1u);
    EXPECT_EQ(lost.content[5], sim::GameHash("COLOR_GREYMID"));
    EXPECT_EQ(lost.content[6], 0u);
    const kit::CapturedFeed& gained = seen->at(1);
    EXPECT_EQ(str(gained.display[2]), "Transaction_Positive");
    EXPECT_EQ(gained.content[3], icon);
    EXPECT_EQ(gained.content[5], sim::GameHash("COLOR_WHITE"));
    ASSERT_EQ(world().screen.feed.size(), 2u);
    EXPECT_EQ(world().screen.feed[0].kind, sim::FeedEntry::Kind::Transaction);
    EXPECT_EQ(world().screen.feed[0].sound, "Transaction_Negative");
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, ACashBlockShowsALossAsAPositiveAmountInRed) {
    auto seen = kit::CaptureFeed(*simulator, kPostSideToast, 4, 9);
    notes.showCashChange(-250, 1000);
    notes.showCashChange(5000, 1000);
    ASSERT_EQ(seen->size(), 2u);
    const kit::CapturedFeed& loss = seen->at(0);
    EXPECT_EQ(loss.display, (std::vector<uint64_t>{1000, 0, 0, 0}));
    EXPECT_EQ(loss.content[0], 0u);
    EXPECT_EQ(text(loss.content[1]), "$2.50");
    EXPECT_EQ(str(loss.content[2]), "ITEMTYPE_TEXTURES");
    EXPECT_EQ(loss.content[3], sim::GameHash("ITEMTYPE_CASH"));
    EXPECT_EQ(loss.content[4], 0u);
    EXPECT_EQ(loss.content[5], sim::GameHash("COLOR_RED"));
    EXPECT_EQ(loss.content[6], 0u);
    EXPECT_EQ(loss.content[7], 0u);
    EXPECT_EQ(loss.content[8], loss.content[1]);
    EXPECT_EQ(seen->at(1).content[5], sim::GameHash("COLOR_PURE_WHITE"))
        << "a gain keeps the default colour";
    EXPECT_EQ(text(seen->at(1).content[1]), "$50.00");
    ASSERT_EQ(world().screen.feed.size(), 2u);
    EXPECT_EQ(world().screen.feed[0].kind, sim::FeedEntry::Kind::Cash);
    EXPECT_EQ(world().screen.feed[0].text, "$2.50");
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(NotificationsTest, TheLargestLossStillShowsAPositiveAmount) {
    notes.showCashChange(INT32_MIN, 1000);
    ASSERT_EQ(world().screen.feed.size(), 1u);
    EXPECT_EQ(world().screen.feed[0].text, "$21474836.47");
    EXPECT_EQ(world().screen.feed[0].colour, sim::GameHash("COLOR_RED"));
}
