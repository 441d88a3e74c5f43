// The plug-ins' event channel run inside scripts against the simulator's event queue:
// what one script sends in a frame every reader sees in the next, whole and alone.
#include "core/events/EventChannel.h"
#include "Hash.h"
#include "Simulator.h"
#include "core/events/EventNames.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "host/HostApi.h"
#include "natives/Events.h"
#include "support/ScriptHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using corvale::events::Reader;
using corvale::events::ScriptEvent;

struct Read {
    uint64_t frame;
    std::vector<int32_t> words; // words 0..7
    bool operator==(const Read&) const = default;
};

sim::Simulator* gSim = nullptr;
std::vector<Read> gCampReads, gBusinessReads;
std::function<void(uint64_t frame)> gSend; // what the sender script does in a frame

int32_t H(const char* name) {
    return static_cast<int32_t>(sim::GameHash(name));
}

void Record(std::vector<Read>& into, const ScriptEvent& e) {
    Read r{gSim->world().frame, {}};
    for (size_t i = 0; i < 8; ++i)
        r.words.push_back(e.word(i));
    into.push_back(r);
}

void SenderScript() {
    for (;;) {
        if (gSend) gSend(gSim->world().frame);
        corvale::ScriptWait(0);
    }
}

void CampReaderScript() {
    for (;;) {
        corvale::events::ForEachScriptEvent(Reader::Camp,
                                            [](const ScriptEvent& e) { Record(gCampReads, e); });
        corvale::ScriptWait(0);
    }
}

void BusinessReaderScript() {
    for (;;) {
        corvale::events::ForEachScriptEvent(
            Reader::Business, [](const ScriptEvent& e) { Record(gBusinessReads, e); });
        corvale::ScriptWait(0);
    }
}

struct EventChannelTest : ::testing::Test {
    void SetUp() override {
        gCampReads.clear();
        gBusinessReads.clear();
        gSend = nullptr;
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        gSim = simulator.get();
        corvale::host::Install(corvale::host::PlatformHost());
    }
    void TearDown() override { gSend = nullptr; }
    const std::vector<sim::SentEvent>& sent() { return simulator->world().events.sent; }

    std::unique_ptr<sim::Simulator> simulator;
};

std::vector<int32_t> Words(std::initializer_list<int32_t> w) {
    std::vector<int32_t> v(w);
    v.resize(8, 0);
    return v;
}

} // namespace

TEST_F(EventChannelTest, AnEventSentInFrameNIsReadByEveryReaderInFrameNPlusOneOnly) {
    simulator->hostScriptRegister(nullptr, CampReaderScript); // runs before the sender
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, BusinessReaderScript); // runs after it
    gSend = [](uint64_t frame) {
        if (frame == 2) corvale::events::SendCampEvent({H("CORVALE_PLAYER_ENTER_CAMP")});
    };
    simulator->runFrames(5);
    const std::vector<Read> once{{3, Words({H("CORVALE_PLAYER_ENTER_CAMP")})}};
    EXPECT_EQ(gCampReads, once);
    EXPECT_EQ(gBusinessReads, once);
}

TEST_F(EventChannelTest, TwoEventsSentInOneFrameAreBothReadInOrder) {
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, CampReaderScript);
    gSend = [](uint64_t frame) {
        if (frame != 1) return;
        corvale::events::SendCampEvent({H("CORVALE_CAMP_LOCATION_CHANGED"), 4, 0});
        corvale::events::SendBusinessEvent({H("CORVALE_MENU_OPEN")});
    };
    simulator->runFrames(3);
    EXPECT_EQ(gCampReads, (std::vector<Read>{{2, Words({H("CORVALE_CAMP_LOCATION_CHANGED"), 4, 0})},
                                             {2, Words({H("CORVALE_MENU_OPEN")})}}));
}

TEST_F(EventChannelTest, TheCampReaderSkipsAGameEventOfAnotherTypeTheBusinessReaderDoesNot) {
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, CampReaderScript);
    simulator->hostScriptRegister(nullptr, BusinessReaderScript);
    gSend = [](uint64_t frame) {
        if (frame != 1) return;
        // The game queues its own event first, then the plug-in sends.
        gSim->world().events.post(1,
                                  {sim::GameHash("EVENT_PLAYER_COLLECTED_AMBIENT_PICKUP"), {7, 8}});
        corvale::events::SendBusinessEvent({H("CORVALE_MENU_OPEN")});
    };
    simulator->runFrames(2);
    EXPECT_EQ(gCampReads, (std::vector<Read>{{2, Words({H("CORVALE_MENU_OPEN")})}}));
    EXPECT_EQ(gBusinessReads,
              (std::vector<Read>{{2, Words({7, 0, 8})}, {2, Words({H("CORVALE_MENU_OPEN")})}}));
}

TEST_F(EventChannelTest, AShortEventAfterALongOneReadsTheMissingWordsAsZero) {
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->hostScriptRegister(nullptr, CampReaderScript);
    gSend = [](uint64_t frame) {
        if (frame != 1) return;
        corvale::events::SendCampEvent({H("CORVALE_MENU_FLAVOUR_SET"), 2, 111, 222, 333});
        // Another script sends under our name with only word 0.
        corvale::events::SendCampEvent({H("CORVALE_MENU_FLAVOUR_SET")});
    };
    simulator->runFrames(2);
    ASSERT_EQ(gCampReads.size(), 2u);
    EXPECT_EQ(gCampReads[0].words, Words({H("CORVALE_MENU_FLAVOUR_SET"), 2, 111, 222, 333}));
    EXPECT_EQ(gCampReads[1].words, Words({H("CORVALE_MENU_FLAVOUR_SET")}));
}

TEST_F(EventChannelTest, SentPayloadsFillTheirWholeSizeWithZeroesPastTheWords) {
    // The game copies size x 8 bytes: under the sanitizers any read past the sender's
    // buffer fails here; everywhere the bytes past the words must be zero, not stack.
    simulator->hostScriptRegister(nullptr, SenderScript);
    gSend = [](uint64_t frame) {
        if (frame != 1) return;
        const int32_t h = static_cast<int32_t>(corvale::HashString("CORVALE_CAMP_LOCATION_SET"));
        corvale::events::SendCampEvent({h, 3, 120, -45, 7});
        corvale::events::SendBusinessEvent(
            {static_cast<int32_t>(corvale::HashString(corvale::events::kMenuClosed))});
    };
    simulator->runFrame();
    ASSERT_EQ(sent().size(), 2u);
    const sim::SentEvent& camp = sent()[0];
    EXPECT_EQ(camp.name, "CORVALE_CAMP_LOCATION_SET");
    EXPECT_EQ(camp.sender, "unknown");
    EXPECT_EQ(camp.size, 5);
    ASSERT_EQ(camp.words.size(), 10u);
    EXPECT_EQ(std::vector<int32_t>(camp.words.begin() + 1, camp.words.end()),
              (std::vector<int32_t>{3, 120, -45, 7, 0, 0, 0, 0, 0}));
    const sim::SentEvent& business = sent()[1];
    EXPECT_EQ(business.name, "CORVALE_MENU_CLOSED");
    EXPECT_EQ(business.size, 100);
    ASSERT_EQ(business.words.size(), 200u);
    for (size_t i = 1; i < business.words.size(); ++i)
        ASSERT_EQ(business.words[i], 0) << i;
}

TEST_F(EventChannelTest, AnOversizedForeignEventFillsTheReadBufferAndNoMore) {
    std::vector<int32_t> words(160);
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<int32_t>(i + 1);
    sim::SendScriptEvent(*simulator, 1, words.data(), 80, "another script");
    std::vector<int32_t> seen;
    gSend = [&seen](uint64_t) {
        corvale::events::ForEachScriptEvent(Reader::Camp, [&seen](const ScriptEvent& e) {
            for (size_t i = 0; i < 102; ++i)
                seen.push_back(e.word(i));
        });
    };
    simulator->hostScriptRegister(nullptr, SenderScript);
    simulator->runFrame();
    ASSERT_EQ(seen.size(), 102u);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[99], 100) << "capacity 50 slots is the whole 400-byte buffer";
    EXPECT_EQ(seen[100], 0);
    EXPECT_EQ(seen[101], 0);
}

TEST_F(EventChannelTest, AFrameWithoutEventsCostsOnlyTheCountQuery) {
    simulator->hostScriptRegister(nullptr, CampReaderScript);
    simulator->runFrames(4);
    const auto& census = simulator->figures().census();
    EXPECT_EQ(census.at(corvale::testing::NativeHash("GET_NUMBER_OF_EVENTS")).calls, 4u);
    EXPECT_EQ(census.size(), 1u) << "no type, data or hash queries without events";
}

namespace {

int gQuietReads = 0;

void QuietReaderScript() {
    for (;;) {
        corvale::events::ForEachScriptEvent(Reader::Camp, [](const ScriptEvent& e) {
            if (e.is(corvale::events::kPutHerbsInStill)) ++gQuietReads;
        });
        corvale::events::SendCampEvent(
            {static_cast<int32_t>(corvale::HashString(corvale::events::kPutHerbsInStill))});
        corvale::events::SendBusinessEvent({0, 1, 2});
        corvale::ScriptWait(0);
    }
}

} // namespace

TEST_F(EventChannelTest, SendingAndReadingAllocateNothing) {
    gQuietReads = 0;
    simulator->hostScriptRegister(nullptr, QuietReaderScript);
    simulator->runFrames(5);
    EXPECT_EQ(gQuietReads, 4);
    for (const sim::FrameFigures& f : simulator->figures().frames("unknown"))
        EXPECT_EQ(f.allocs, 0u);
}
