// Every laid-out rival camp stands on ground the game's own scripts know, checked against the
// extract the project keeps of them (the game's points around each camp, and the towns): the
// two given camps are taken as given.
#include "missions/CampComplex.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace corvale;

namespace {

constexpr double kNear = 40.0; // the points that tell a spot's ground
constexpr size_t kGivenRows = 2;

struct Town {
    std::string name;
    double x, y, radius;
};

struct GameGround {
    std::vector<TablePoint> points;
    std::vector<Town> towns;

    static GameGround Read() {
        GameGround g;
        std::ifstream in(corvale::testing::SourcePath("/tests/missions/data/rival-camp-ground.txt"));
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            if (line.rfind("town ", 0) == 0) {
                Town t;
                std::string word;
                fields >> word >> t.name >> t.x >> t.y >> t.radius;
                if (fields) g.towns.push_back(t);
                continue;
            }
            TablePoint p{};
            fields >> p.x >> p.y >> p.z;
            g.points.push_back(p);
        }
        return g;
    }

    // The heights of the points within 40 m of the spot (horizontally), sorted.
    std::vector<double> heightsNear(const TablePoint& spot) const {
        std::vector<double> zs;
        for (const TablePoint& p : points)
            if (std::hypot(double(p.x) - spot.x, double(p.y) - spot.y) <= kNear) zs.push_back(p.z);
        std::sort(zs.begin(), zs.end());
        return zs;
    }
};

double Median(const std::vector<double>& sorted) {
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

const GameGround& Ground() {
    static const GameGround ground = GameGround::Read();
    return ground;
}

// At least five of the game's points around it, and its height within tolerance of theirs.
void ExpectOnKnownGround(const TablePoint& spot, double tolerance, const std::string& what) {
    const std::vector<double> zs = Ground().heightsNear(spot);
    ASSERT_GE(zs.size(), 5u) << what << ": unknown ground";
    EXPECT_LE(std::abs(spot.z - Median(zs)), tolerance)
        << what << " stands " << spot.z - Median(zs) << " m off the game's ground";
}

TEST(CampComplexGround, TheGameDataExtractIsThere) {
    EXPECT_GT(Ground().points.size(), 100u);
    ASSERT_EQ(Ground().towns.size(), 8u);
    EXPECT_EQ(Ground().towns[0].name, "saintdenis");
    EXPECT_EQ(Ground().towns[0].radius, 900.0);
}

TEST(CampComplexGround, EveryCentreAndStillStandsOnTheGamesGround) {
    const auto complexes = ComplexRows();
    for (size_t i = kGivenRows; i < complexes.size(); ++i) {
        const ComplexRow& c = complexes[i];
        ExpectOnKnownGround(c.centre, 5.0, "centre of complex " + std::to_string(i));
        if (c.hasStill) ExpectOnKnownGround(c.still, 5.0, "still of complex " + std::to_string(i));
    }
}

TEST(CampComplexGround, EveryPropSetStandsOnTheGroundWhereTheGameKnowsIt) {
    int checked = 0;
    for (const PropSetRow& p : PropSetRows()) {
        if (p.complex < static_cast<int32_t>(kGivenRows)) continue;
        const std::vector<double> zs = Ground().heightsNear(p.position);
        if (zs.empty()) continue;
        ++checked;
        EXPECT_LE(std::abs(p.position.z - Median(zs)), 8.0)
            << p.name << " of complex " << p.complex << " stands " << p.position.z - Median(zs)
            << " m off the game's ground";
    }
    EXPECT_GE(checked, 70);
}

TEST(CampComplexGround, NoCampIsInATown) {
    const auto complexes = ComplexRows();
    for (size_t i = kGivenRows; i < complexes.size(); ++i) {
        for (const Town& t : Ground().towns) {
            const TablePoint& c = complexes[i].centre;
            EXPECT_GT(std::hypot(c.x - t.x, c.y - t.y), t.radius)
                << "complex " << i << " is in " << t.name;
        }
    }
    for (const PropSetRow& p : PropSetRows()) {
        if (p.complex < static_cast<int32_t>(kGivenRows)) continue;
        for (const Town& t : Ground().towns)
            EXPECT_GT(std::hypot(p.position.x - t.x, p.position.y - t.y), t.radius)
                << p.name << " of complex " << p.complex << " is in " << t.name;
    }
}

} // namespace
