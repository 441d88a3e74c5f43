// A snapshot pictures what the player sees: beside the frame's drawn texts, what the game
// draws itself while it lasts (help text, toast, message, feed) and the prompts on screen.
#include "Snapshot.h"

#include <gtest/gtest.h>

namespace {

bool Holds(const std::string& svg, const std::string& text) {
    return svg.find(text) != std::string::npos;
}

sim::World ShownWorld() {
    sim::World w;
    w.frame = 100;
    w.frameMs = 33;
    sim::DrawnText title;
    title.text = "Still Menu";
    w.screen.texts.push_back(title);
    w.screen.helpTexts.push_back(sim::HelpText{"Stale help", 1000, 10});
    w.screen.helpTexts.push_back(sim::HelpText{"Press to open the still", 2000, 90});
    sim::Toast toast;
    toast.title = "Moonshine Ready";
    toast.body = "Sell it";
    toast.durationMs = 4000;
    toast.frame = 95;
    w.screen.toasts.push_back(toast);
    w.messages.push_back("Stop the wagon to hand over the load.");
    w.screen.messageFrame = 99;
    sim::FeedEntry cash;
    cash.kind = sim::FeedEntry::Kind::Cash;
    cash.text = "$40.00";
    cash.durationMs = 1000;
    cash.frame = 98;
    w.screen.feed.push_back(cash);
    w.hashNames.emplace(0xAAu, "INPUT_CONTEXT_X");
    sim::PromptState ledger;
    ledger.text = "Run the Still";
    ledger.control = 0xAA;
    ledger.group = 7;
    ledger.registered = true;
    w.prompts.all[1] = ledger;
    sim::PromptState move = ledger;
    move.text = "Move Camp & Dog";
    move.enabled = false;
    w.prompts.all[2] = move;
    sim::PromptState other = ledger;
    other.text = "Start Delivery";
    other.group = 8;
    w.prompts.all[3] = other;
    w.prompts.activeGroup = 7;
    w.prompts.activeGroupTitle = "Ledger";
    w.prompts.activeGroupFrame = 100;
    return w;
}

} // namespace

TEST(Snapshot, ShowsWhatTheGameDrawsWhileItLastsAndThePromptsOnScreen) {
    const std::string svg = sim::ScreenSvg(ShownWorld());
    EXPECT_TRUE(Holds(svg, ">Still Menu<"));
    EXPECT_TRUE(Holds(svg, ">Press to open the still<"));
    EXPECT_FALSE(Holds(svg, "Stale help")) << "a help text over is gone";
    EXPECT_TRUE(Holds(svg, ">Moonshine Ready<"));
    EXPECT_TRUE(Holds(svg, ">Sell it<"));
    EXPECT_TRUE(Holds(svg, ">Stop the wagon to hand over the load.<"));
    EXPECT_TRUE(Holds(svg, ">$40.00<"));
    EXPECT_TRUE(Holds(svg, ">Ledger<")) << "the shown group's title";
    EXPECT_TRUE(Holds(svg, ">[INPUT_CONTEXT_X] Run the Still<"));
    EXPECT_TRUE(Holds(svg, "rgb(120,120,120)\">[INPUT_CONTEXT_X] Move Camp &amp; Dog<"))
        << "a greyed prompt is dimmed";
    EXPECT_FALSE(Holds(svg, "Start Delivery")) << "its group is not the one shown";
}

TEST(Snapshot, LeavesOutWhatIsOverAndGroupsNotShownThisFrame) {
    sim::World w = ShownWorld();
    w.frame = 400; // 10 s on: help, toast, message and feed are gone; no group was shown
    w.screen.texts.clear();
    const std::string svg = sim::ScreenSvg(w);
    for (const char* gone : {"Press to open", "Moonshine Ready", "Stop the wagon", "$40.00",
                             "Run the Still", "Ledger"})
        EXPECT_FALSE(Holds(svg, gone)) << gone;
    w.prompts.all[1].group = 0; // an ambient prompt shows whenever it is visible
    EXPECT_TRUE(Holds(sim::ScreenSvg(w), "Run the Still"));
    w.prompts.all[1].visible = false;
    EXPECT_FALSE(Holds(sim::ScreenSvg(w), "Run the Still"));
}
