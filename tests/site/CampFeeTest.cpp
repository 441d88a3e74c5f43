// The fee for moving the camp as the selector shows it: whatever GeneralMeta.dat holds, the
// player never sees a negative fee and the amount in cents fits the game's 32-bit money.
#include "site/CampFee.h"
#include "SiteFixture.h"
#include "core/data/DictDataFile.h"

using namespace corvale;

namespace {

struct CampFeeTest : corvale::testing::SiteTest {
    int32_t feeFor(const char* text) {
        DictDataFile meta("unused.dat");
        if (text) meta.set("camp.change_location_fee", text);
        return CampFee(&meta);
    }
};

} // namespace

TEST_F(CampFeeTest, TheShippedFeeIsReadAsItStands) {
    EXPECT_EQ(CampFee(data.generalMetaFile()), 150);
    EXPECT_EQ(feeFor("0"), 0);
    EXPECT_EQ(logged("CampFee"), 0u);
}

TEST_F(CampFeeTest, AMissingOrNegativeFeeIsFreeWithOneLogLineEach) {
    EXPECT_EQ(feeFor(nullptr), 0) << "not -999, the missing-key marker";
    EXPECT_EQ(logged("CampFee: camp.change_location_fee is missing or negative (-999)"), 1u);
    EXPECT_EQ(feeFor("-5"), 0);
    EXPECT_EQ(logged("CampFee: camp.change_location_fee is missing or negative (-5)"), 1u);
    EXPECT_EQ(CampFee(nullptr), 0) << "GeneralMeta.dat not loaded";
}

TEST_F(CampFeeTest, AnUnreadableFeeIsTheShippedOneInsteadOfStoppingTheFrame) {
    DictDataFile* meta = data.generalMetaFile();
    meta->set("camp.change_location_fee", "fifty");
    EXPECT_EQ(CampFee(meta), 150);
    meta->set("camp.change_location_fee", "99999999999");
    EXPECT_EQ(CampFee(meta), 150) << "past 32 bits";
    EXPECT_EQ(logged("camp.change_location_fee is not a number that can be used: fifty, "
                     "using 150"),
              1u);
    // Without a shipped file to fall back on, the move is free.
    EXPECT_EQ(feeFor("fifty"), 0);
    EXPECT_EQ(logged("CampFee: camp.change_location_fee is missing or negative (-999)"), 1u);
}

TEST_F(CampFeeTest, AHugeFeeIsCappedSoItsCentsFitThirtyTwoBits) {
    EXPECT_EQ(feeFor("21474836"), 21474836);
    EXPECT_EQ(feeFor("21474837"), kMaxCampFee);
    EXPECT_EQ(feeFor("2147483647"), kMaxCampFee);
    EXPECT_LE(static_cast<int64_t>(kMaxCampFee) * 100, INT32_MAX);
    EXPECT_EQ(logged("capped at 21474836"), 2u);
}

TEST_F(CampFeeTest, TheReaderAskedEveryFrameLogsAFaultyFeeOnceAndFollowsTheFile) {
    DictDataFile meta("unused.dat");
    meta.set("camp.change_location_fee", "fifty");
    const CampFeeReader fee(&meta);
    for (int frame = 0; frame < 100; ++frame)
        ASSERT_EQ(fee.dollars(), 0);
    EXPECT_EQ(logged("camp.change_location_fee is not a number that can be used"), 1u);
    EXPECT_EQ(logged("CampFee: camp.change_location_fee is missing or negative"), 1u);
    meta.set("camp.change_location_fee", "99999999");
    EXPECT_EQ(fee.dollars(), kMaxCampFee);
    EXPECT_EQ(fee.cents(), kMaxCampFee * 100);
    EXPECT_EQ(logged("capped at"), 0u) << "one line per game run";
    meta.set("camp.change_location_fee", "150");
    EXPECT_EQ(fee.cents(), 15000);
}
