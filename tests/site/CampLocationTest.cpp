// The seven camp locations: their order (which the selector lists), their layouts and
// names, and lookups by the id the save file and the events carry.
#include "site/CampLocation.h"
#include "SiteFixture.h"

#include <string>

using namespace corvale;

namespace {

using CampLocationTest = corvale::testing::SiteTest;

struct Expected {
    int32_t id;
    const char* name;
    float x, heading;
};

} // namespace

TEST_F(CampLocationTest, SevenPlacesInTableOrderWithTheirLangDatNames) {
    const Expected expected[] = {
        {1684533001, "Tall Trees", -1997.95f, 0},
        {-108848014, "Cholla Springs", -3336.57f, 0},
        {131399519, "Heartlands", 1654.1f, 0},
        {2025841068, "Bayou Nwa", 1746.93f, 270},
        {1645618177, "Grizzlies West", -1805.41f, 200},
        {822658194, "Big Valley", -1345.79f, 0},
        {-2066240242, "Gaptooth Ridge", -5473.88f, 0},
    };
    const auto table = CampLocations();
    ASSERT_EQ(table.size(), 7u);
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(table[i].id, expected[i].id);
        EXPECT_EQ(table[i].missionId, table[i].id) << "missions get the location id";
        EXPECT_STREQ(CampLocationName(data, table[i]), expected[i].name)
            << "a negative id keeps its minus sign in the key";
        EXPECT_EQ(table[i].position.x, expected[i].x);
        EXPECT_EQ(table[i].heading, expected[i].heading);
        EXPECT_NE(std::string(table[i].picture).find("map_camp_location_"), std::string::npos);
    }
}

TEST_F(CampLocationTest, LayoutsFollowTheHeadingUnlessAPlaceOverridesThem) {
    const CampLocation* grizzlies = FindCampLocation(1645618177);
    ASSERT_NE(grizzlies, nullptr);
    EXPECT_EQ(grizzlies->cookOffset.y, -6.3f);
    EXPECT_EQ(grizzlies->cookHeading, 170.0f);
    EXPECT_EQ(grizzlies->hitchOffset.y, -10.0f);
    EXPECT_EQ(grizzlies->hitchHeading, 140.0f);

    const CampLocation* tallTrees = FindCampLocation(1684533001);
    ASSERT_NE(tallTrees, nullptr);
    EXPECT_EQ(tallTrees->cookOffset.z, 1.0f);
    EXPECT_EQ(tallTrees->cookHeading, -30.0f);

    const CampLocation* bayou = FindCampLocation(2025841068);
    ASSERT_NE(bayou, nullptr);
    EXPECT_EQ(bayou->cookOffset.x, -6.2f);
    EXPECT_EQ(bayou->cookOffset.y, -1.4f);
    EXPECT_EQ(bayou->cookHeading, 240.0f);
    EXPECT_EQ(bayou->hitchOffset.x, -8.0f);
    EXPECT_EQ(bayou->hitchOffset.y, -5.3f);
    EXPECT_EQ(bayou->hitchHeading, 310.0f);
}

TEST_F(CampLocationTest, AnUnknownIdIsLoggedAndFindsNothing) {
    const CampLocation* cholla = FindCampLocation(-108848014);
    ASSERT_NE(cholla, nullptr);
    EXPECT_STREQ(CampLocationName(data, *cholla), "Cholla Springs");
    EXPECT_EQ(logged("could not find"), 0u);

    EXPECT_EQ(FindCampLocation(0), nullptr);
    EXPECT_EQ(FindCampLocation(-1), nullptr);
    EXPECT_EQ(logged("CampLocations: could not find a camp location with id: 0"), 1u);
    EXPECT_EQ(logged("CampLocations: could not find a camp location with id: -1"), 1u);
}
