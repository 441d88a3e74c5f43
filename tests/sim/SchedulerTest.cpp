// Scripts run as the host runs them: one at a time, resumed after scriptWait.
#include "Simulator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern "C" void HostScriptWait(uint32_t ms);

namespace {

std::vector<std::string> gEvents;
sim::Simulator* gSim = nullptr;

std::string Stamp(const char* who) {
    return std::string(who) + "@" + std::to_string(gSim->world().gameTimer);
}

void WaitZeroScript() {
    for (int i = 0; i < 3; ++i) {
        gEvents.push_back(Stamp("a"));
        HostScriptWait(0);
    }
}

void OtherScript() {
    for (;;) {
        gEvents.push_back(Stamp("b"));
        HostScriptWait(0);
    }
}

void LongWaitScript() {
    gEvents.push_back(Stamp("start"));
    HostScriptWait(500);
    gEvents.push_back(Stamp("after500"));
    for (;;)
        HostScriptWait(0);
}

void ReturningScript() {
    gEvents.push_back(Stamp("once"));
}

struct SchedulerTest : ::testing::Test {
    void SetUp() override {
        gEvents.clear();
        sim::Options o;
        o.frameMs = 100;
        simulator = std::make_unique<sim::Simulator>(o);
        gSim = simulator.get();
    }
    std::unique_ptr<sim::Simulator> simulator;
};

} // namespace

TEST_F(SchedulerTest, AWaitOfZeroResumesOnTheNextFrame) {
    simulator->hostScriptRegister(nullptr, WaitZeroScript);
    simulator->runFrames(3);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"a@100", "a@200", "a@300"}));
}

TEST_F(SchedulerTest, TwoScriptsInterleaveInRegistrationOrder) {
    simulator->hostScriptRegister(nullptr, OtherScript);
    simulator->hostScriptRegister(nullptr, WaitZeroScript);
    simulator->runFrames(2);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"b@100", "a@100", "b@200", "a@200"}));
}

TEST_F(SchedulerTest, ALongWaitResumesOnceTheGameTimerMovedOnThatFar) {
    simulator->hostScriptRegister(nullptr, LongWaitScript);
    simulator->runFrames(5);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"start@100"})) << "400 ms is not enough";
    simulator->runFrame();
    EXPECT_EQ(gEvents.back(), "after500@600");
}

TEST_F(SchedulerTest, ALongWaitWithUnevenFramesResumesAtTheFirstFrameBeyondIt) {
    sim::Options o;
    o.frameMs = 33;
    simulator = std::make_unique<sim::Simulator>(o);
    gSim = simulator.get();
    simulator->hostScriptRegister(nullptr, LongWaitScript);
    simulator->runFrames(16); // 528 - 33 = 495 ms waited at frame 16
    EXPECT_EQ(gEvents.back(), "start@33");
    simulator->runFrame(); // 561 - 33 = 528 ms
    EXPECT_EQ(gEvents.back(), "after500@561")
        << "should have resumed at the first frame past 500 ms";
}

TEST_F(SchedulerTest, AFinishedEntryIsNeverResumed) {
    simulator->hostScriptRegister(nullptr, ReturningScript);
    simulator->runFrames(5);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"once@100"}));
    EXPECT_TRUE(simulator->scriptFinished(0));
    EXPECT_EQ(simulator->scriptFrames(0), 1u);
}

TEST_F(SchedulerTest, AnUnregisteredScriptStopsRunning) {
    simulator->hostScriptRegister(nullptr, OtherScript);
    simulator->runFrames(2);
    simulator->hostScriptUnregister(nullptr);
    simulator->runFrames(2);
    EXPECT_EQ(gEvents.size(), 2u);
}
