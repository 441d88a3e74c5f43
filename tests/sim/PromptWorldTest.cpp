// Prompts made by plug-in code, shown in the simulated world and completed by the player.
#include "Hash.h"
#include "core/natives/Prompt.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

// A script that shows one prompt and polls it once a frame, recording the frames it completed.
struct PolledPrompt {
    PolledPrompt(ScriptHarness& h, const char* text, int32_t kind) {
        h.start([this, &h, text, kind] {
            Prompt prompt(text, sim::GameHash("INPUT_CONTEXT_X"), kind);
            prompt.show();
            for (;;) {
                if (prompt.completed()) completions.push_back(h.world().frame);
                ScriptWait(0);
            }
        });
        h.sim().runFrame();
    }
    std::vector<uint64_t> completions;
};

} // namespace

TEST(PromptInTheWorld, AHeldKindTwoPromptCompletesOncePerHold) {
    ScriptHarness h;
    PolledPrompt p(h, "Put herbs in", 2);
    ASSERT_TRUE(h.world().prompts.press("Put herbs in", h.world().frame, 5));
    const uint64_t pressed = h.world().frame + 1;
    h.sim().runFrames(10);
    EXPECT_EQ(p.completions, (std::vector<uint64_t>{pressed}))
        << "held five frames, completed once";
    ASSERT_TRUE(h.world().prompts.press("Put herbs in", h.world().frame, 3));
    const uint64_t again = h.world().frame + 1;
    h.sim().runFrames(5);
    EXPECT_EQ(p.completions, (std::vector<uint64_t>{pressed, again}))
        << "released, then a new hold";
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(PromptInTheWorld, APressPromptCompletesDuringTheNextFrameOnly) {
    ScriptHarness h;
    PolledPrompt p(h, "Drink", 0);
    h.sim().runFrames(3);
    EXPECT_TRUE(p.completions.empty());
    ASSERT_TRUE(h.world().prompts.press("Drink", h.world().frame, 1));
    const uint64_t next = h.world().frame + 1;
    h.sim().runFrames(4);
    EXPECT_EQ(p.completions, (std::vector<uint64_t>{next}));
}

TEST(PromptInTheWorld, TheWorldKeepsWhatThePromptShows) {
    ScriptHarness h;
    const Entity ledger = h.world().spawn(sim::EntityKind::Object, 1, {}, 0);
    std::unique_ptr<Prompt> made;
    h.start([&] {
        made =
            std::make_unique<Prompt>("Open the ledger", sim::GameHash("INPUT_FRONTEND_ACCEPT"), 3);
        made->setGroupFrom(ledger);
        made->show();
    });
    h.runUntilFinished(2);
    auto shown = h.world().prompts.withText("Open the ledger");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->control, sim::GameHash("INPUT_FRONTEND_ACCEPT"));
    EXPECT_EQ(shown[0]->mode, sim::PromptMode::StandardizedHold);
    EXPECT_EQ(shown[0]->group, made->group());
    EXPECT_NE(shown[0]->group, 0);
    EXPECT_TRUE(shown[0]->visible);
    EXPECT_TRUE(shown[0]->enabled);
    made->setEnabled(false);
    EXPECT_FALSE(shown[0]->enabled);
    EXPECT_FALSE(h.world().prompts.press("Open the ledger", h.world().frame, 1))
        << "a disabled prompt cannot be used";
    made->remove();
    EXPECT_TRUE(h.world().prompts.withText("Open the ledger").empty());
    EXPECT_TRUE(h.sim().faults().empty());
}

TEST(PromptInTheWorld, AHiddenPromptCannotBeCompleted) {
    ScriptHarness h;
    std::unique_ptr<Prompt> sleep;
    h.start([&] {
        sleep = std::make_unique<Prompt>("Sleep", sim::GameHash("INPUT_FRONTEND_ACCEPT"), 0);
        sleep->show();
        sleep->hide();
    });
    h.runUntilFinished(2);
    EXPECT_FALSE(h.world().prompts.press("Sleep", h.world().frame, 1));
}
