// The key=value split shared by the data files and Settings.ini.
#include "core/data/LineGrammar.h"

#include <string>

#include <gtest/gtest.h>

using namespace corvale;

namespace {

struct Split {
    bool ok;
    std::string key;
    std::string value;
};

Split SplitOf(std::string_view line) {
    std::string_view key = "untouched", value = "untouched";
    const bool ok = SplitKeyValue(line, key, value);
    return {ok, std::string(key), std::string(value)};
}

TEST(SplitKeyValue, OneEqualsBetweenTwoTextsGivesKeyAndValue) {
    const Split s = SplitOf("guard.sight_range=35");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.key, "guard.sight_range");
    EXPECT_EQ(s.value, "35");
}

TEST(SplitKeyValue, BlanksAroundTheEqualsStayInKeyAndValue) {
    const Split s = SplitOf("key = value");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.key, "key ");
    EXPECT_EQ(s.value, " value");
}

TEST(SplitKeyValue, ALeadingEqualsGivesAnEmptyKey) {
    const Split s = SplitOf("=v");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.key, "");
    EXPECT_EQ(s.value, "v");
}

TEST(SplitKeyValue, AnEqualsWithNothingAfterItIsOnlyOnePiece) {
    EXPECT_FALSE(SplitOf("k=").ok);
    EXPECT_FALSE(SplitOf("=").ok);
}

TEST(SplitKeyValue, ATextWithoutEqualsIsOnePiece) {
    EXPECT_FALSE(SplitOf("DevTools").ok);
    EXPECT_FALSE(SplitOf("").ok);
}

TEST(SplitKeyValue, TwoEqualsBetweenTextsGiveThreePieces) {
    EXPECT_FALSE(SplitOf("a=b=c").ok);
    EXPECT_FALSE(SplitOf("a==c").ok);
    EXPECT_FALSE(SplitOf("a=b==").ok);
}

TEST(SplitKeyValue, ASecondEqualsAtTheEndStillGivesTwoPieces) {
    const Split withValue = SplitOf("a=b=");
    EXPECT_TRUE(withValue.ok);
    EXPECT_EQ(withValue.key, "a");
    EXPECT_EQ(withValue.value, "b");
    const Split emptyValue = SplitOf("k==");
    EXPECT_TRUE(emptyValue.ok);
    EXPECT_EQ(emptyValue.key, "k");
    EXPECT_EQ(emptyValue.value, "");
}

} // namespace
