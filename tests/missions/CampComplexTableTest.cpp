// The rival camp table as authored: the counts per camp place, the two rows we were given,
// prop set names from the game's list, and every camp standing where a rider would find it
// (near its own camp place, its props together, its still where the still set stands).
#include "missions/CampComplex.h"
#include "site/CampLocation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

using namespace corvale;

namespace {

const std::set<std::string> kNames = {"pg_mp_moonshinecamp03x",
                                      "pg_mp_moonshinecamp02x",
                                      "pg_moonshinecampgroup01x",
                                      "pg_moonshiner_rescueCook_01x",
                                      "pg_mp_possecamp_pokertable01x",
                                      "PG_RE_ISLANDSTANDOFF02X",
                                      "PG_SCENARIO_CHOPWOOD",
                                      "pg_re_dustersgang01x",
                                      "pg_mp_possecamp_hobo_medium011x",
                                      "PG_COMPANIONACTIVITY_ROBBERY",
                                      "pg_re_davisboysgang01x",
                                      "pg_mp_campfire03x",
                                      "pg_gangcamp_skinner_argument",
                                      "pg_gangcamp_skinner_torture",
                                      "pg_bh_campreturn01x",
                                      "pg_ambient_campfireexconfed01x",
                                      "pg_ambient_campfire02xb",
                                      "pg_ambient_campfire02x",
                                      "pg_ambient_campfire03x_tent",
                                      "PG_AMBIENT_CAMPFIREWINTER01X",
                                      "PG_MP_POSSECAMP_CAMPFIRE_LARGE002X",
                                      "PG_MP_POSSECAMP_FOLLOWERTENT_LARGE001X",
                                      "pg_mp_possecamp_campfire_medium001x",
                                      "PG_MP_CAMPTRACK304X",
                                      "PG_MP_CAMPTRACK306X",
                                      "PG_MP_CAMPTRACK307X",
                                      "pg_re_odoriscollboysgang01x",
                                      "pg_re_odoriscollboysgang02x",
                                      "pg_re_mountainmen01x",
                                      "pg_re_inbredgang01x",
                                      "pg_re_exconfederategang01x",
                                      "pg_re_exconfederategang02x",
                                      "pg_re_cochinaygang01x",
                                      "pg_player_campfire04x",
                                      "pg_mp_gangbounty01x",
                                      "pg_mp_gangbounty02x",
                                      "PG_MP_GANGBOUNTY_GEN_POPULATED01X",
                                      "PG_RC_ODDFELLOWS2_01X"};

bool IsStillSet(const std::string& name) {
    return name == "pg_mp_moonshinecamp02x" || name == "pg_mp_moonshinecamp03x";
}

double Dist(const TablePoint& a, float x, float y, float z) {
    return std::sqrt(double(a.x - x) * (a.x - x) + double(a.y - y) * (a.y - y) +
                     double(a.z - z) * (a.z - z));
}
double Dist(const TablePoint& a, const TablePoint& b) {
    return Dist(a, b.x, b.y, b.z);
}

void ExpectPoint(const TablePoint& p, float x, float y, float z) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

TEST(CampComplexTable, HoldsTheComplexesPerCampPlaceWithTheirMpCounts) {
    const auto complexes = ComplexRows();
    ASSERT_EQ(complexes.size(), 24u);
    EXPECT_EQ(PropSetRows().size(), 82u);
    std::map<int32_t, std::pair<int, int>> counts; // complexes, of which need MP assets
    for (const ComplexRow& c : complexes) {
        ++counts[c.locationId].first;
        counts[c.locationId].second += c.requiresMpAssets;
    }
    const std::map<int32_t, std::pair<int, int>> expected = {
        {0x6467ef09, {4, 0}}, {0x3108c492, {4, 2}}, {0x62162401, {3, 1}},
        {0x7d4ff5f, {5, 2}},  {0x78bfe1ac, {4, 1}}, {static_cast<int32_t>(0x84d7ad0eu), {4, 1}}};
    EXPECT_EQ(counts, expected);
    // Grouped by camp place: a place's complexes follow each other.
    std::set<int32_t> done;
    for (size_t i = 1; i < complexes.size(); ++i) {
        if (complexes[i].locationId == complexes[i - 1].locationId) continue;
        EXPECT_TRUE(done.insert(complexes[i - 1].locationId).second) << "complex " << i;
    }
}

TEST(CampComplexTable, StartsWithTheTwoTallTreesCampsAsGiven) {
    const auto complexes = ComplexRows();
    const auto props = PropSetRows();
    ASSERT_GE(props.size(), 5u);
    const ComplexRow& first = complexes[0];
    EXPECT_EQ(first.locationId, 0x6467ef09);
    ExpectPoint(first.centre, -2320.08f, -1396.92f, 143.564f);
    ASSERT_TRUE(first.hasStill);
    ExpectPoint(first.still, -2302.78f, -1403.07f, 142.016f);
    EXPECT_STREQ(props[0].name, "pg_ambient_campfireexconfed01x");
    ExpectPoint(props[0].position, -2314.96f, -1395.95f, 143.55f);
    EXPECT_EQ(props[0].heading, 180.0f);
    EXPECT_FALSE(props[0].requiresMpAssets);
    EXPECT_STREQ(props[1].name, "pg_mp_moonshinecamp03x");
    ExpectPoint(props[1].position, -2302.78f, -1403.07f, 142.016f);
    EXPECT_EQ(props[1].heading, 140.0f);
    EXPECT_TRUE(props[1].requiresMpAssets);
    EXPECT_STREQ(props[2].name, "pg_player_campfire04x");
    ExpectPoint(props[2].position, -2303.81f, -1398.53f, 143.274f);
    EXPECT_EQ(props[2].heading, 0.0f);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(props[i].complex, 0);

    const ComplexRow& second = complexes[1];
    EXPECT_EQ(second.locationId, 0x6467ef09);
    ExpectPoint(second.centre, -1831.34f, -1843.94f, 106.582f);
    EXPECT_FALSE(second.hasStill);
    EXPECT_STREQ(props[3].name, "PG_MP_GANGBOUNTY_GEN_POPULATED01X");
    EXPECT_EQ(props[3].heading, 180.0f);
    EXPECT_TRUE(props[3].requiresMpAssets);
    EXPECT_STREQ(props[4].name, "pg_ambient_campfire02xb");
    EXPECT_EQ(props[4].heading, 270.0f);
    EXPECT_EQ(props[3].complex, 1);
    EXPECT_EQ(props[4].complex, 1);
    ASSERT_GT(props.size(), 5u);
    EXPECT_EQ(props[5].complex, 2);
}

TEST(CampComplexTable, UsesEveryListedPropSetAndNoOther) {
    std::map<std::string, int> uses;
    for (const PropSetRow& p : PropSetRows()) {
        EXPECT_TRUE(kNames.count(p.name)) << p.name;
        ++uses[p.name];
        // The online sets, and only they, need the MP assets; the rescued cook's set is one
        // of them although its name does not say so.
        std::string lower = p.name;
        for (char& ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const bool online = lower.find("_mp_") != std::string::npos ||
                            lower == "pg_moonshiner_rescuecook_01x";
        EXPECT_EQ(p.requiresMpAssets, online) << p.name;
    }
    EXPECT_EQ(uses.size(), kNames.size());
    EXPECT_EQ(uses["pg_mp_moonshinecamp03x"], 16);
    EXPECT_EQ(uses["pg_mp_moonshinecamp02x"], 3);
}

TEST(CampComplexTable, EveryCampStandsNearItsOwnPlaceWithItsPropsTogether) {
    const auto complexes = ComplexRows();
    for (size_t i = 0; i < complexes.size(); ++i) {
        const ComplexRow& c = complexes[i];
        const CampLocation* own = nullptr;
        double ownDistance = 0, nearest = 1e12;
        for (const CampLocation& place : CampLocations()) {
            const double d = Dist(c.centre, place.position.x, place.position.y, c.centre.z);
            if (place.id == c.locationId) {
                own = &place;
                ownDistance = d;
            }
            if (d < nearest) nearest = d;
        }
        ASSERT_NE(own, nullptr) << "complex " << i;
        EXPECT_GE(ownDistance, 250.0) << "complex " << i;
        EXPECT_LE(ownDistance, 2000.0) << "complex " << i;
        // In the place's own region: no other camp place is nearer.
        EXPECT_EQ(ownDistance, nearest) << "complex " << i;
    }
    int stillSets = 0;
    for (const PropSetRow& p : PropSetRows()) {
        ASSERT_GE(p.complex, 0);
        ASSERT_LT(static_cast<size_t>(p.complex), complexes.size());
        const ComplexRow& c = complexes[static_cast<size_t>(p.complex)];
        EXPECT_LE(Dist(p.position, c.centre), 30.0) << p.name << " of complex " << p.complex;
        if (!IsStillSet(p.name)) continue;
        ++stillSets;
        ASSERT_TRUE(c.hasStill) << "complex " << p.complex;
        EXPECT_EQ(Dist(p.position, c.still), 0.0) << "complex " << p.complex;
    }
    EXPECT_EQ(stillSets, 19);
    // A still of its own only where a still set stands.
    for (size_t i = 0; i < complexes.size(); ++i) {
        if (!complexes[i].hasStill) continue;
        bool found = false;
        for (const PropSetRow& p : PropSetRows())
            found |= p.complex == static_cast<int32_t>(i) && IsStillSet(p.name);
        EXPECT_TRUE(found) << "complex " << i;
    }
}

} // namespace
