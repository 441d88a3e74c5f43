// The game's string hash, as the simulator computes it for every hashed name.
#include "Hash.h"

#include <gtest/gtest.h>

TEST(GameHash, MatchesTheGamesHashesOfKnownNames) {
    EXPECT_EQ(sim::GameHash("INPUT_FRONTEND_ACCEPT"), 0xC7B5340Au);
    EXPECT_EQ(sim::GameHash("WEAPON_UNARMED"), 0xA2719263u);
    EXPECT_EQ(sim::GameHash("TallTrees"), 0x6467EF09u);
    EXPECT_EQ(sim::GameHash("heartlands"), 0x07D4FF5Fu);
}

TEST(GameHash, IgnoresLetterCase) {
    EXPECT_EQ(sim::GameHash("talltrees"), sim::GameHash("TALLTREES"));
    EXPECT_NE(sim::GameHash("TallTrees"), sim::GameHash("TallTree"));
}
