// The simulator's event queues as the game keeps them: sizes and capacities in 8-byte
// slots, events visible for one frame, groups apart.
#include "Hash.h"
#include "Simulator.h"
#include "core/natives/ScriptEvents.h"
#include "host/HostApi.h"
#include "natives/ScriptEventSending.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint64_t kSentinel = 0xEEEEEEEEEEEEEEEEull;

struct EventQueueTest : ::testing::Test {
    void SetUp() override {
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        corvale::host::Install(corvale::host::PlatformHost());
    }
    // Sends size slots numbered 1.. from a buffer of exactly that size.
    void sendSlots(int32_t group, int32_t size) {
        std::vector<uint64_t> slots(static_cast<size_t>(size));
        for (size_t i = 0; i < slots.size(); ++i)
            slots[i] = 0x100000000ull * (i + 1) + i + 1;
        sim::SendScriptEvent(*simulator, group, slots.data(), size, "another script");
    }
    std::unique_ptr<sim::Simulator> simulator;
};

} // namespace

TEST_F(EventQueueTest, AReadCopiesAtMostCapacitySlotsAndLeavesTheRestOfTheBuffer) {
    sendSlots(1, 60);
    sendSlots(1, 3);
    simulator->runFrame();
    std::vector<uint64_t> buffer(70, kSentinel);
    EXPECT_TRUE(corvale::ReadEventData(1, 0, buffer.data(), 50));
    EXPECT_EQ(buffer[49], 0x100000000ull * 50 + 50);
    EXPECT_EQ(buffer[50], kSentinel);
    EXPECT_EQ(buffer[69], kSentinel);

    std::fill(buffer.begin(), buffer.end(), kSentinel);
    EXPECT_TRUE(corvale::ReadEventData(1, 1, buffer.data(), 50));
    EXPECT_EQ(buffer[2], 0x300000003ull);
    EXPECT_EQ(buffer[3], kSentinel) << "a 3-slot event writes 3 slots";
}

TEST_F(EventQueueTest, EventsAreVisibleDuringTheNextFrameOnly) {
    sendSlots(1, 1);
    EXPECT_EQ(corvale::EventCount(1), 0) << "not in the frame it was sent";
    simulator->runFrame();
    EXPECT_EQ(corvale::EventCount(1), 1);
    EXPECT_EQ(corvale::EventTypeAt(1, 0), sim::GameHash("EVENT_NETWORK_SCRIPT_EVENT"));
    simulator->runFrame();
    EXPECT_EQ(corvale::EventCount(1), 0);
    uint64_t slot = kSentinel;
    EXPECT_FALSE(corvale::ReadEventData(1, 0, &slot, 1));
    EXPECT_EQ(slot, kSentinel);
}

TEST_F(EventQueueTest, GroupsAreSeparateQueuesAndTheAiGroupExists) {
    simulator->world().events.post(0, {sim::GameHash("EVENT_SHOT_FIRED"), {5}});
    sendSlots(1, 2);
    simulator->runFrame();
    EXPECT_EQ(corvale::EventCount(0), 1);
    EXPECT_EQ(corvale::EventTypeAt(0, 0), sim::GameHash("EVENT_SHOT_FIRED"));
    EXPECT_EQ(corvale::EventCount(1), 1);
    EXPECT_EQ(corvale::EventTypeAt(1, 5), 0u) << "past the end";
    EXPECT_EQ(corvale::EventCount(2), 0);
}

TEST_F(EventQueueTest, ASendCopiesSizeSlotsAtOnce) {
    std::vector<uint64_t> slots{11, 22};
    sim::SendScriptEvent(*simulator, 1, slots.data(), 2, "another script");
    slots[0] = slots[1] = 99; // the sender reuses its buffer
    simulator->runFrame();
    uint64_t read[2] = {};
    corvale::ReadEventData(1, 0, read, 50);
    EXPECT_EQ(read[0], 11u);
    EXPECT_EQ(read[1], 22u);
}

TEST_F(EventQueueTest, BadSendsAreFaultsAndQueueNothing) {
    sim::SendScriptEvent(*simulator, 1, nullptr, 4, "another script");
    uint64_t slot = 0;
    sim::SendScriptEvent(*simulator, 1, &slot, -1, "another script");
    EXPECT_EQ(simulator->faults().size(), 2u);
    simulator->runFrame();
    EXPECT_EQ(corvale::EventCount(1), 0);
}
