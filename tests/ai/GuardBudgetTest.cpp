// Ten calm guards who have not noticed the player cost the frame little: a bounded number of
// game calls and no allocation, whether they stay put or move to new spots now and then.
#include "GuardStory.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace corvale;
using namespace corvale::testing;

namespace {

TEST(GuardBudget, TenCalmUnawareGuardsMakeAtMost300NativesAndNoAllocationPerFrame) {
    GuardStory story;
    story.playerAt({0, 0, 0});
    // A ring 60 m out: beyond sight and the safe distance, near enough to shuffle.
    for (int i = 0; i < 10; ++i)
        story.spawn({60.0f * (i % 2 == 0 ? 1.0f : -1.0f), 6.0f * static_cast<float>(i), 0}, false);
    story.begin();
    story.frames(5);
    const auto& figures = story.harness().sim().figures().frames("unknown");
    const size_t from = figures.size();
    story.frames(600); // 20 s: several shuffles each
    ASSERT_EQ(figures.size(), from + 600);
    uint64_t most = 0;
    for (size_t i = from; i < figures.size(); ++i) {
        most = std::max(most, figures[i].natives);
        ASSERT_EQ(figures[i].allocs, 0u) << "frame " << i;
    }
    EXPECT_LE(most, 300u);
    for (size_t n = 0; n < 10; ++n)
        EXPECT_EQ(story.mode(n), GuardMode::Calm);
    EXPECT_GT(story.harness().callsOf("_TASK_USE_NEAREST_SCENARIO_TO_COORD"), 10u);
}

} // namespace
