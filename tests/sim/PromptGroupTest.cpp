// Prompt groups as the game shows them: a grouped prompt is on screen, and can be used, only
// in a frame in which its group was made the active one, and one group shows at a time.
#include "Hash.h"
#include "core/natives/Prompt.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

constexpr int32_t kLedger = 0x11;
constexpr int32_t kWagon = 0x22;

// Two shown prompts, one in each group, polled every frame; the groups made active each
// frame are those the test asks for, in that order.
struct TwoGroups {
    explicit TwoGroups(ScriptHarness& h) {
        h.start([this] {
            Prompt open, sell;
            open.create("Open the ledger", HashString("INPUT_CONTEXT_X"),
                        PromptSetup{0, kLedger});
            sell.create("Sell", HashString("INPUT_CONTEXT_Y"), PromptSetup{0, kWagon});
            open.show();
            sell.show();
            for (;;) {
                for (int32_t group : activate)
                    ShowPromptGroupThisFrame(group, TextLiteral(group == kLedger ? "Ledger"
                                                                                 : "Wagon"));
                if (open.completed()) ++opened;
                if (sell.completed()) ++sold;
                ScriptWait(0);
            }
        });
    }
    std::vector<int32_t> activate;
    int opened = 0, sold = 0;
};

const sim::PromptState& Named(ScriptHarness& h, const char* text) {
    return *h.world().prompts.withText(text).at(0);
}

} // namespace

TEST(PromptGroups, AGroupedPromptWhoseGroupIsNotActiveIsNeitherSeenNorUsed) {
    ScriptHarness h;
    TwoGroups s(h);
    h.sim().runFrames(3);
    const sim::Prompts& prompts = h.world().prompts;
    EXPECT_TRUE(Named(h, "Open the ledger").visible) << "shown by the script";
    EXPECT_FALSE(prompts.onScreen(Named(h, "Open the ledger"), h.world().frame));
    EXPECT_FALSE(h.world().prompts.press("Open the ledger", h.world().frame, 1));
    EXPECT_EQ(prompts.describeScreen(h.world().frame), "nothing");

    s.activate = {kLedger};
    h.sim().runFrame();
    EXPECT_TRUE(prompts.onScreen(Named(h, "Open the ledger"), h.world().frame));
    ASSERT_TRUE(h.world().prompts.press("Open the ledger", h.world().frame, 1));
    h.sim().runFrames(2);
    EXPECT_EQ(s.opened, 1);
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(PromptGroups, AGroupShowsOnlyInTheFrameItWasActivated) {
    ScriptHarness h;
    TwoGroups s(h);
    s.activate = {kLedger};
    h.sim().runFrames(2);
    s.activate = {};
    h.sim().runFrame();
    EXPECT_FALSE(h.world().prompts.onScreen(Named(h, "Open the ledger"), h.world().frame));
    EXPECT_FALSE(h.world().prompts.press("Open the ledger", h.world().frame, 1));
}

TEST(PromptGroups, TwoGroupsActivatedInOneFrameShowOneTheLastActivated) {
    ScriptHarness h;
    TwoGroups s(h);
    s.activate = {kLedger, kWagon};
    h.sim().runFrames(2);
    const sim::Prompts& prompts = h.world().prompts;
    const uint64_t frame = h.world().frame;
    EXPECT_EQ(prompts.groupsActivated, 2);
    EXPECT_FALSE(prompts.onScreen(Named(h, "Open the ledger"), frame));
    EXPECT_TRUE(prompts.onScreen(Named(h, "Sell"), frame));
    EXPECT_EQ(prompts.describeScreen(frame), "group \"Wagon\": \"Sell\"");
    EXPECT_FALSE(h.world().prompts.press("Open the ledger", frame, 1));
    ASSERT_TRUE(h.world().prompts.press("Sell", frame, 1));
    h.sim().runFrames(2);
    EXPECT_EQ(s.sold, 1);
    EXPECT_EQ(s.opened, 0);
}

TEST(PromptGroups, AnAmbientPromptShowsWithAnyGroup) {
    ScriptHarness h;
    std::vector<int32_t> activate;
    h.start([&] {
        Prompt back("Back", HashString("INPUT_FRONTEND_CANCEL"), 0);
        back.show();
        for (;;) {
            for (int32_t group : activate)
                ShowPromptGroupThisFrame(group, TextLiteral("Wagon"));
            ScriptWait(0);
        }
    });
    h.sim().runFrames(2);
    EXPECT_TRUE(h.world().prompts.press("Back", h.world().frame, 1));
    activate = {kWagon};
    h.sim().runFrames(2);
    EXPECT_TRUE(h.world().prompts.press("Back", h.world().frame, 1));
}
