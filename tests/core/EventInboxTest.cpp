// The plug-in's own queue of script events: a script that waits inside its logic is resumed
// in every frame of the wait and keeps that frame's events, so its readers see each of them
// once, in order, after the wait.
#include "core/events/EventInbox.h"
#include "Hash.h"
#include "Simulator.h"
#include "core/natives/Script.h"
#include "host/HostApi.h"
#include "natives/Events.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using corvale::events::EventCursor;
using corvale::events::Reader;
using corvale::events::ScriptEvent;

sim::Simulator* gSim = nullptr;
std::function<void(uint64_t frame)> gSend;
std::vector<std::pair<uint64_t, int32_t>> gFirst, gSecond; // frame read, word 1

void Send(int32_t word) {
    // Two words packed four bytes apart, in the two eight-byte slots the game copies.
    const int32_t words[4] = {static_cast<int32_t>(sim::GameHash("CORVALE_MODIFY_INFLUENCE")),
                              word, 0, 0};
    sim::SendScriptEvent(*gSim, 1, words, 2, "another script");
}

// Another script: it yields to the host itself, so it keeps nothing in this inbox.
void SenderScript() {
    for (;;) {
        if (gSend) gSend(gSim->world().frame);
        corvale::host::Api().scriptWait(0);
    }
}

// Two readers in one script: the first walks, then the script waits a second in its logic,
// then the second walks.
void WaitingReaderScript() {
    corvale::events::KeepEventsWhileWaiting(Reader::Camp);
    EventCursor first, second;
    for (;;) {
        corvale::events::ForEachKeptEvent(first, [](const ScriptEvent& e) {
            gFirst.emplace_back(gSim->world().frame, e.word(1));
        });
        corvale::ScriptWait(1000);
        corvale::events::ForEachKeptEvent(second, [](const ScriptEvent& e) {
            gSecond.emplace_back(gSim->world().frame, e.word(1));
        });
        corvale::ScriptWait(0);
    }
}

void IdleScript() {
    corvale::events::KeepEventsWhileWaiting(Reader::Camp);
    EventCursor cursor;
    for (;;) {
        corvale::events::ForEachKeptEvent(cursor, [](const ScriptEvent&) {});
        corvale::ScriptWait(0);
    }
}

struct EventInboxTest : ::testing::Test {
    void SetUp() override {
        gFirst.clear();
        gSecond.clear();
        gSend = nullptr;
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        gSim = simulator.get();
        corvale::host::Install(corvale::host::PlatformHost());
    }
    void TearDown() override {
        gSend = nullptr;
        corvale::events::StopKeepingEvents();
    }
    std::unique_ptr<sim::Simulator> simulator;
};

} // namespace

TEST_F(EventInboxTest, EventsSentDuringAWaitAreReadAfterItByEveryReaderInOrder) {
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, WaitingReaderScript);
    gSend = [](uint64_t frame) {
        if (frame == 3) Send(1);
        if (frame == 10) {
            Send(2);
            Send(3);
        }
        if (frame == 20) Send(4);
    };
    simulator->runFrames(80);
    // The wait ends after 1000 ms (31 frames of 33 ms) and each reader walks every event once.
    const std::vector<int32_t> all{1, 2, 3, 4};
    std::vector<int32_t> first, second;
    for (const auto& [frame, word] : gFirst)
        first.push_back(word);
    for (const auto& [frame, word] : gSecond)
        second.push_back(word);
    EXPECT_EQ(second, all);
    EXPECT_EQ(first, all);
    ASSERT_FALSE(gSecond.empty());
    EXPECT_GE(gSecond.front().first, 31u) << "read after the wait, not during it";
    EXPECT_TRUE(simulator->faults().empty());
}

TEST_F(EventInboxTest, AnIdleFrameCostsOnlyTheCountQueryAndAllocatesNothing) {
    simulator->hostScriptRegister(nullptr, IdleScript);
    simulator->runFrames(10);
    const auto& census = simulator->figures().census();
    EXPECT_EQ(census.at(corvale::testing::NativeHash("GET_NUMBER_OF_EVENTS")).calls, 9u)
        << "once every frame the script is resumed";
    EXPECT_EQ(census.size(), 1u);
    for (const sim::FrameFigures& f : simulator->figures().frames("unknown"))
        EXPECT_EQ(f.allocs, 0u);
}

TEST_F(EventInboxTest, AReaderFarBehindLosesOnlyTheOldestEvents) {
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, WaitingReaderScript);
    gSend = [](uint64_t frame) {
        if (frame != 2) return;
        for (int32_t i = 0; i < 300; ++i)
            Send(i);
    };
    simulator->runFrames(40);
    ASSERT_EQ(gSecond.size(), corvale::events::kInboxCapacity);
    EXPECT_EQ(gSecond.front().second, static_cast<int32_t>(300 - corvale::events::kInboxCapacity));
    EXPECT_EQ(gSecond.back().second, 299);
}
