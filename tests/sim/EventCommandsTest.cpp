// The scenario commands that send events into the queue and check the events scripts sent,
// with a test script beside the plug-ins that records what it reads and echoes it back.
#include "Hash.h"
#include "core/events/EventChannel.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "host/HostApi.h"
#include "scenario/Scenario.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

using corvale::events::Reader;
using corvale::events::ScriptEvent;

std::vector<std::vector<uint64_t>> gBusinessSlots; // first 4 slots of every entry
std::vector<int32_t> gCampIds;                     // word 0 of the entries the camp takes
std::vector<int32_t> gAiCounts;                    // events in the AI group, per frame

uint64_t Slot(const ScriptEvent& e, size_t n) {
    return static_cast<uint32_t>(e.word(2 * n)) |
           static_cast<uint64_t>(static_cast<uint32_t>(e.word(2 * n + 1))) << 32;
}

// Records what both readers take and echoes every entry as "TEST_ECHO" + its words 0..3.
void EchoScript() {
    for (;;) {
        corvale::events::ForEachScriptEvent(
            Reader::Camp, [](const ScriptEvent& e) { gCampIds.push_back(e.id()); });
        corvale::events::ForEachScriptEvent(Reader::Business, [](const ScriptEvent& e) {
            gBusinessSlots.push_back({Slot(e, 0), Slot(e, 1), Slot(e, 2), Slot(e, 3)});
            const int32_t echo = static_cast<int32_t>(corvale::HashString("TEST_ECHO"));
            corvale::events::SendCampEvent({echo, e.word(0), e.word(1), e.word(2), e.word(3)});
        });
        gAiCounts.push_back(corvale::EventCount(0));
        corvale::ScriptWait(0);
    }
}

sim::RunSettings Settings(bool trace = false) {
    sim::RunSettings s;
    s.options.pluginDir = corvale::testing::PluginDir();
    s.options.trace = trace;
    s.dataDir = corvale::testing::SourcePath("/data");
    return s;
}

struct EventCommandsTest : ::testing::Test {
    void SetUp() override { start(false); }
    void start(bool trace) {
        gBusinessSlots.clear();
        gCampIds.clear();
        gAiCounts.clear();
        run.reset();
        run = std::make_unique<sim::ScenarioRun>(Settings(trace));
        corvale::host::Install(corvale::host::PlatformHost());
        run->sim().hostScriptRegister(nullptr, EchoScript);
    }
    int play(const std::string& text) { return run->run(sim::ParseScenarioText(text, "s.scn")); }
    std::unique_ptr<sim::ScenarioRun> run;
};

int32_t H(const char* name) {
    return static_cast<int32_t>(sim::GameHash(name));
}
uint64_t Words(int32_t low, int32_t high) {
    return static_cast<uint32_t>(low) | static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32;
}

} // namespace

TEST_F(EventCommandsTest, AnEventCommandSendsTheHashedNameAndWordsSizedByTheirCount) {
    EXPECT_EQ(play("event CORVALE_MENU_FLAVOUR_SET 2 hash:herb_a -7\n"
                   "frames 1\n"
                   "expect event TEST_ECHO hash:CORVALE_MENU_FLAVOUR_SET 2 hash:herb_a -7\n"
                   "expect no-event CORVALE_MENU_FLAVOUR_SET\n"),
              0);
    EXPECT_EQ(run->passed(), 2);
    EXPECT_EQ(gBusinessSlots,
              (std::vector<std::vector<uint64_t>>{
                  {Words(H("CORVALE_MENU_FLAVOUR_SET"), 2), Words(H("herb_a"), -7), 0, 0}}));
    EXPECT_EQ(gCampIds, (std::vector<int32_t>{H("CORVALE_MENU_FLAVOUR_SET")}));
    const sim::SentEvent& e = run->sim().world().events.sent.at(0);
    EXPECT_EQ(e.sender, "scenario");
    EXPECT_EQ(e.size, 4);
}

TEST_F(EventCommandsTest, ExpectEventFailsOnOtherWordsOrAMissingEvent) {
    EXPECT_EQ(play("event CORVALE_MENU_OPEN\n"
                   "frames 1\n"
                   "expect event TEST_ECHO hash:CORVALE_MENU_CLOSED\n"
                   "expect event CORVALE_MENU_OPEN\n"
                   "expect no-event TEST_ECHO\n"
                   "expect event TEST_ECHO\n"),
              1);
    EXPECT_EQ(run->passed(), 1);
    EXPECT_EQ(run->failed(), 3);
}

TEST_F(EventCommandsTest, ARawEventDeliversOnlyItsSizeInSlots) {
    EXPECT_EQ(play("event-raw 1 hash:CORVALE_MODIFY_INFLUENCE -25 99\n"
                   "event-raw 2 hash:CORVALE_MODIFY_INFLUENCE -25 99\n"
                   "frames 1\n"),
              0);
    ASSERT_EQ(gBusinessSlots.size(), 2u);
    EXPECT_EQ(gBusinessSlots[0],
              (std::vector<uint64_t>{Words(H("CORVALE_MODIFY_INFLUENCE"), -25), 0, 0, 0}))
        << "one slot holds words 0 and 1 only";
    EXPECT_EQ(gBusinessSlots[1],
              (std::vector<uint64_t>{Words(H("CORVALE_MODIFY_INFLUENCE"), -25), 99, 0, 0}));
}

TEST_F(EventCommandsTest, AGameEventHasItsHashedTypeAndSlotsAndTheCampReaderSkipsIt) {
    EXPECT_EQ(play("game-event 1 EVENT_PLAYER_COLLECTED_AMBIENT_PICKUP 1.5 -1 0x100000002 7\n"
                   "event CORVALE_MENU_OPEN\n"
                   "frames 1\n"),
              0);
    ASSERT_EQ(gBusinessSlots.size(), 2u);
    EXPECT_EQ(gBusinessSlots[0],
              (std::vector<uint64_t>{0x3FC00000u, 0xFFFFFFFFu, 0x100000002ull, 7}));
    EXPECT_EQ(gCampIds, (std::vector<int32_t>{H("CORVALE_MENU_OPEN")}));
    EXPECT_EQ(run->sim().world().events.visible.at(1).at(0).type,
              sim::GameHash("EVENT_PLAYER_COLLECTED_AMBIENT_PICKUP"));
}

TEST_F(EventCommandsTest, GameEventsInTheAiGroupStayOutOfTheScriptQueue) {
    EXPECT_EQ(play("game-event 0 EVENT_SHOT_FIRED 3\nframes 2\n"), 0);
    EXPECT_TRUE(gBusinessSlots.empty());
    EXPECT_EQ(gAiCounts, (std::vector<int32_t>{1, 0}));
}

TEST_F(EventCommandsTest, MalformedEventCommandsAreScenarioErrors) {
    EXPECT_THROW(play("event-raw -1 5\n"), sim::ScenarioError);
    EXPECT_THROW(play("game-event 1 EVENT_X 1.2.3\n"), sim::ScenarioError);
    EXPECT_THROW(play("game-event 1 EVENT_X seven\n"), sim::ScenarioError);
    EXPECT_THROW(play("event CORVALE_MENU_OPEN 99999999999\n"), sim::ScenarioError);
}

TEST_F(EventCommandsTest, TheTraceShowsEveryEventSentWithItsSenderAndWords) {
    start(true);
    ::testing::internal::CaptureStdout();
    play("event CORVALE_CAMP_LOCATION_CHANGED 4 0\nframes 1\n");
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("event sent by scenario: CORVALE_CAMP_LOCATION_CHANGED 4 0 (size 3)"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("event sent by unknown: TEST_ECHO"), std::string::npos) << out;
}
