// The player's whistle as guards hear it: which kind, how long it is remembered, and what a
// quiet frame costs.
#include "Hash.h"
#include "ai/WhistleDetector.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace corvale;
using corvale::testing::ScriptHarness;

namespace {

class Whistle : public ::testing::Test {
  protected:
    void SetUp() override {
        h.captureLog();
        h.start([this] {
            WhistleDetector detector;
            for (;;) {
                RefreshPlayerPed();
                detector.update();
                kind = detector.whistleKind();
                ScriptWait(0);
            }
        });
        frames(1);
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i)
            h.sim().runFrame();
    }
    // A whistle heard by the game this frame.
    void whistleEvent(int32_t whistler, const char* kindName) {
        h.world().events.post(0, sim::QueuedEvent{sim::GameHash("EVENT_PED_WHISTLE"),
                                                  {static_cast<uint32_t>(whistler),
                                                   sim::GameHash(kindName)}});
    }
    void otherEvent() {
        h.world().events.post(0, sim::QueuedEvent{sim::GameHash("EVENT_SHOT_FIRED"), {1, 2}});
    }
    void pressWhistle() { h.world().controls.queued.insert(sim::GameHash("INPUT_WHISTLE")); }
    uint64_t allCalls() {
        uint64_t calls = 0;
        for (const auto& [hash, entry] : h.sim().figures().census())
            calls += entry.calls;
        return calls;
    }

    ScriptHarness h;
    int32_t kind = -1;
};

TEST_F(Whistle, APlainWhistleIsForgottenAfter211FramesWithoutANewOne) {
    pressWhistle();
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::Plain);
    frames(210);
    EXPECT_EQ(kind, WhistleDetector::Plain);
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::None);
}

TEST_F(Whistle, AWhistleIsForgottenAsSoonAsThePlayerGetsLouder) {
    h.world().perception.playerNoise = 3.0f;
    pressWhistle();
    frames(1);
    h.world().perception.playerNoise = 2.0f;
    frames(5);
    EXPECT_EQ(kind, WhistleDetector::Plain);
    h.world().perception.playerNoise = 2.5f;
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::None);
}

TEST_F(Whistle, TheLongHorseWhistleGivesKind2AndAnyOtherWhistleKind1) {
    whistleEvent(h.world().player.ped, "WHISTLEHORSELONG");
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::HorseLong);
    whistleEvent(h.world().player.ped, "WHISTLEHORSESHORT");
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::Plain);
}

TEST_F(Whistle, AnotherPedsWhistleEndsTheFramesReadingSoTheRestOfTheQueueIsNotSeen) {
    const int32_t stranger = h.world().spawn(sim::EntityKind::Ped, 1, sim::Vec3{3, 0, 0}, 0);
    whistleEvent(stranger, "WHISTLEHORSELONG");
    whistleEvent(h.world().player.ped, "WHISTLEHORSELONG");
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::None);
}

TEST_F(Whistle, AnUnreadableWhistleIsLoggedAndEndsTheFramesUpdate) {
    h.sim().natives().override(corvale::testing::NativeHash("GET_EVENT_DATA"),
                               [](sim::Simulator&, const sim::NativeArgs&, sim::NativeResult& r) {
                                   r.setBool(false);
                               });
    whistleEvent(h.world().player.ped, "WHISTLEHORSELONG");
    frames(1);
    EXPECT_EQ(kind, WhistleDetector::None);
    const auto lines = h.logLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) {
                                return l.find("WhistleDetector: WARN - data could not be "
                                              "retrieved for whistle event") != std::string::npos;
                            }),
              1);
}

// A quiet frame costs the player's ped, the control read, the event count and one type read
// per AI event: nothing of the noise level, and no allocation.
TEST_F(Whistle, AQuietFrameReadsTheControlTheEventCountAndEachEventsTypeOnly) {
    const uint64_t before = allCalls();
    for (int i = 0; i < 10; ++i) {
        otherEvent();
        otherEvent();
        frames(1);
    }
    EXPECT_EQ(allCalls() - before, 10u * (1 + 1 + 1 + 2));
    EXPECT_EQ(h.callsOf("GET_PLAYER_CURRENT_STEALTH_NOISE"), 0u);
    const auto& figures = h.sim().figures().frames("unknown");
    ASSERT_GE(figures.size(), 10u);
    for (size_t i = figures.size() - 10; i < figures.size(); ++i)
        EXPECT_EQ(figures[i].allocs, 0u) << "frame " << i;
}

} // namespace
