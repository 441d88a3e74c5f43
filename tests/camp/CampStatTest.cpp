// A camp statistic stays a fraction and announces every change in hundredths; the
// announcements are checked as the simulator's event queue received them.
#include "camp/CampStat.h"
#include "Simulator.h"
#include "core/events/EventNames.h"
#include "core/natives/Strings.h"
#include "host/HostApi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct CampStatTest : ::testing::Test {
    void SetUp() override {
        simulator = std::make_unique<sim::Simulator>(sim::Options{});
        corvale::host::Install(corvale::host::PlatformHost());
        // As the camp manager does right after construction.
        stat.setEventHash(
            static_cast<int32_t>(corvale::HashString(corvale::events::kInfluenceSet)));
    }
    const std::vector<sim::SentEvent>& sent() { return simulator->world().events.sent; }
    // Word 1 of the last announcement.
    int32_t published() {
        EXPECT_FALSE(sent().empty());
        return sent().empty() ? -1 : sent().back().word(1);
    }

    std::unique_ptr<sim::Simulator> simulator;
    corvale::CampStat stat;
};

} // namespace

TEST_F(CampStatTest, AddClampsAtOneAndPublishesOneHundred) {
    stat.set(0.9f);
    EXPECT_EQ(stat.add(0.3f), 1.0f);
    EXPECT_EQ(published(), 100);
}

TEST_F(CampStatTest, AddClampsAtZeroAndPublishesZero) {
    stat.set(0.1f);
    EXPECT_EQ(stat.add(-0.4f), 0.0f);
    EXPECT_EQ(published(), 0);
}

TEST_F(CampStatTest, PublishesTruncatedHundredths) {
    stat.set(0.057f);
    EXPECT_EQ(published(), 5);
    stat.set(0.29f);
    EXPECT_EQ(published(), 29) << "0.29 is stored as 0.28999999";
    stat.set(0.53f);
    EXPECT_EQ(published(), 53) << "0.53 x 100 in single precision is 52.999996";
}

TEST_F(CampStatTest, MultiplyKeepsSinglePrecisionAndPublishesSixty) {
    stat.set(0.8f);
    EXPECT_EQ(stat.multiply(0.75f), 0.6f);
    EXPECT_EQ(published(), 60);
    EXPECT_EQ(stat.multiply(100.0f), 1.0f);
}

TEST_F(CampStatTest, SetClampsOutsideValuesAndNanToAFraction) {
    EXPECT_EQ(stat.set(1.5f), 1.0f);
    EXPECT_EQ(stat.set(-2.0f), 0.0f);
    stat.set(0.5f);
    EXPECT_EQ(stat.set(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(stat.get(), 0.0f);
}

TEST_F(CampStatTest, EveryOperationAnnouncesWithTheHashInATwoSlotEvent) {
    stat.set(0.4f);
    stat.add(0.0f);
    stat.multiply(1.0f);
    ASSERT_EQ(sent().size(), 3u) << "unchanged values are announced too";
    for (const sim::SentEvent& e : sent()) {
        EXPECT_EQ(e.name, "CORVALE_INFLUENCE_SET");
        EXPECT_EQ(e.size, 2);
        ASSERT_EQ(e.words.size(), 4u);
        EXPECT_EQ(e.words[1], 40);
        EXPECT_EQ(e.words[2], 0) << "the slots past the payload are zeroed";
        EXPECT_EQ(e.words[3], 0);
    }
}

TEST_F(CampStatTest, AStatisticWithoutAnEventHashChangesSilently) {
    corvale::CampStat silent;
    EXPECT_EQ(silent.get(), 0.0f);
    EXPECT_EQ(silent.add(0.25f), 0.25f);
    EXPECT_EQ(silent.set(2.0f), 1.0f);
    EXPECT_TRUE(sent().empty());
}
