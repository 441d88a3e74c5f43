// A Prompt as the game shows it: its control, text, mode and attribute by kind, enabled only
// while shown, groups, and completion as the player presses or holds it.
#include "core/natives/Prompt.h"
#include "Hash.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

struct PromptTest : ::testing::Test {
    // The game's record of the prompt.
    const sim::PromptState& state(const Prompt& p) { return h.world().prompts.all.at(p.handle()); }
    // The player presses (or holds for frames) the prompt during the next frames.
    void press(const char* text, uint64_t frames = 1) {
        ASSERT_TRUE(h.world().prompts.press(text, h.world().frame, frames)) << text;
    }
    void frame() { h.sim().runFrame(); }

    ScriptHarness h;
    const Hash control = sim::GameHash("INPUT_FRONTEND_ACCEPT");
};

} // namespace

TEST_F(PromptTest, ANewPromptShowsItsControlTextAndModeThenStartsHidden) {
    Prompt p("Open the ledger", control, 2);
    const sim::PromptState& s = state(p);
    EXPECT_TRUE(s.registered);
    EXPECT_EQ(s.text, "Open the ledger") << "the text goes as a game text handle";
    EXPECT_EQ(s.control, control);
    EXPECT_EQ(s.group, 0);
    EXPECT_EQ(s.mode, sim::PromptMode::Hold);
    EXPECT_TRUE(s.attributes.at(18)) << "asked of every prompt the game makes itself";
    EXPECT_FALSE(s.visible);
    EXPECT_FALSE(s.enabled) << "hidden, so not enabled in the game";
    EXPECT_TRUE(p.enabled());
    EXPECT_FALSE(p.visible());
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(PromptTest, EachKindChoosesItsMode) {
    const Prompt press(nullptr, control, 0), hold(nullptr, control, 1), held(nullptr, control, 2),
        standardized(nullptr, control, 3), also(nullptr, control, 5);
    EXPECT_EQ(state(press).mode, sim::PromptMode::Standard);
    EXPECT_EQ(state(hold).mode, sim::PromptMode::Hold);
    EXPECT_EQ(state(held).mode, sim::PromptMode::Hold);
    EXPECT_EQ(state(standardized).mode, sim::PromptMode::StandardizedHold);
    EXPECT_EQ(state(also).mode, sim::PromptMode::StandardizedHold);
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(PromptTest, TheGameSeesItEnabledOnlyWhileVisibleAndEnabled) {
    Prompt p("Drink", control, 0);
    p.show();
    EXPECT_TRUE(state(p).visible);
    EXPECT_TRUE(state(p).enabled);
    p.setEnabled(false);
    EXPECT_FALSE(state(p).enabled);
    EXPECT_TRUE(state(p).visible) << "disabled prompts stay on screen";
    EXPECT_FALSE(h.world().prompts.press("Drink", h.world().frame, 1))
        << "a disabled prompt cannot be used";
    p.setEnabled(true);
    p.hide();
    EXPECT_FALSE(state(p).enabled);
    EXPECT_FALSE(state(p).visible);
    EXPECT_FALSE(h.world().prompts.press("Drink", h.world().frame, 1)) << "nor a hidden one";
    p.set(true, true);
    EXPECT_TRUE(state(p).shown());
    p.remove();
    EXPECT_TRUE(h.world().prompts.withText("Drink").empty()) << "the game forgets it";
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST_F(PromptTest, GroupFromAnEntityJoinsOnlyAGroupTheGameGives) {
    Prompt p("Ledger", control, 0);
    p.setGroupFrom(4242); // no such entity: the game gives no group
    EXPECT_EQ(state(p).group, 0);
    const int32_t ledger =
        h.world().spawn(sim::EntityKind::Object, sim::GameHash("p_journal_open01x"), {}, 0);
    p.setGroupFrom(ledger);
    EXPECT_NE(p.group(), 0);
    EXPECT_EQ(state(p).group, p.group());
    p.setGroupFrom(0);
    EXPECT_EQ(state(p).group, 0);
}

TEST_F(PromptTest, AHiddenOrDisabledPromptNeverCompletesAndAsksNothing) {
    Prompt p("Drink", control, 0);
    EXPECT_FALSE(p.completed());
    p.show();
    p.setEnabled(false);
    EXPECT_FALSE(p.completed());
    EXPECT_EQ(h.callsOf("_UI_PROMPT_HAS_STANDARD_MODE_COMPLETED"), 0u);
}

TEST_F(PromptTest, APressPromptCompletesOnTheFrameItIsPressed) {
    Prompt p("Drink", control, 0);
    p.show();
    frame();
    EXPECT_FALSE(p.completed());
    press("Drink");
    frame();
    EXPECT_TRUE(p.completed());
    frame();
    EXPECT_FALSE(p.completed()) << "during the next frame only";
}

TEST_F(PromptTest, AHeldKindTwoPromptCompletesOncePerHold) {
    Prompt p("Put herbs in", control, 2);
    p.show();
    frame();
    press("Put herbs in", 3);
    std::vector<bool> seen;
    for (int i = 0; i < 5; ++i) {
        frame();
        seen.push_back(p.completed());
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false, false, false}));
    press("Put herbs in", 1);
    frame();
    EXPECT_TRUE(p.completed()) << "a new hold after release completes again";
}

TEST_F(PromptTest, AKindOnePromptReportsEveryPollWhileHeld) {
    Prompt p("Wait", control, 1);
    p.show();
    frame();
    press("Wait", 2);
    frame();
    EXPECT_TRUE(p.completed());
    EXPECT_TRUE(p.completed());
}

// The still's prompts: made plainly in their group, answered by the game alone.
TEST_F(PromptTest, AMenuPromptIsMadeInItsGroupWithoutTheGameAttributes) {
    Prompt p;
    p.create("Run the Still", control,
             PromptSetup{3, kLedgerPromptGroup, PromptPoll::HoldCompleted, false});
    EXPECT_EQ(state(p).group, kLedgerPromptGroup);
    EXPECT_EQ(state(p).mode, sim::PromptMode::StandardizedHold);
    EXPECT_TRUE(state(p).attributes.empty());
    EXPECT_FALSE(state(p).shown());
}

TEST_F(PromptTest, AMenuPromptOfferedLastFrameIsAnsweredAfterItWasHiddenAgain) {
    Prompt back;
    back.create("Back", control, PromptSetup{0, 0, PromptPoll::JustPressed, false});
    back.set(true, true);
    frame();
    press("Back");
    frame();
    back.set(false, false); // hidden first thing every frame
    EXPECT_FALSE(back.completed());
    EXPECT_TRUE(back.answer()) << "the press of the frame it was on screen";
}

// Both plug-ins tell the game only what changed: an interaction that offers its prompt every
// frame, and a menu that hides every prompt first and shows some again before committing.
TEST_F(PromptTest, OnlyWhatChangedReachesTheGame) {
    const auto calls = [this] {
        return h.callsOf("_UI_PROMPT_SET_ENABLED") + h.callsOf("_UI_PROMPT_SET_VISIBLE");
    };
    Prompt take("Take a Drink", control, 0);
    const uint64_t made = calls();
    take.withdraw();
    EXPECT_EQ(calls(), made) << "already hidden";
    take.offer(true);
    EXPECT_TRUE(state(take).shown());
    EXPECT_EQ(calls(), made + 2);
    take.offer(true);
    EXPECT_EQ(calls(), made + 2) << "offered again, unchanged";
    take.offer(false);
    EXPECT_TRUE(state(take).visible);
    EXPECT_FALSE(state(take).enabled) << "reloading: on screen, greyed";
    EXPECT_EQ(calls(), made + 4);
    take.withdraw();
    EXPECT_FALSE(state(take).visible);
    EXPECT_FALSE(state(take).enabled);
    take.withdraw();
    EXPECT_EQ(calls(), made + 6);

    Prompt back;
    back.create("Back", control, PromptSetup{0, 0, PromptPoll::JustPressed, false});
    back.want(true, true);
    back.commit();
    const uint64_t shown = calls();
    back.want(false, false); // the menu's frame: everything hidden first...
    back.want(true, true);   // ...and shown again by the page
    back.commit();
    EXPECT_EQ(calls(), shown);
    EXPECT_TRUE(state(back).shown());
    back.want(false, false);
    back.commit();
    EXPECT_FALSE(state(back).visible);
    EXPECT_EQ(calls(), shown + 2);
}
