// The sabotage played at every rival camp (scenarios/sabotage_at_every_complex.runs) goes to
// each camp of the table once with the online assets, and to each that needs none once more
// without them: each run's draw, over as many camps as its place offers, picks that camp.
#include "missions/CampComplex.h"
#include "support/ScriptHarness.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

using namespace corvale;

namespace {

struct ScenarioRunLine {
    std::string name;
    std::map<std::string, std::string> values;
};

std::vector<ScenarioRunLine> ReadRuns() {
    std::ifstream in(corvale::testing::SourcePath("/scenarios/sabotage_at_every_complex.runs"));
    std::vector<ScenarioRunLine> runs;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string field;
        ScenarioRunLine run;
        std::getline(fields, run.name, ';');
        while (std::getline(fields, field, ';')) {
            const size_t start = field.find_first_not_of(' ');
            const size_t equals = field.find('=');
            if (start == std::string::npos || equals == std::string::npos) continue;
            run.values[field.substr(start, equals - start)] = field.substr(equals + 1);
        }
        runs.push_back(run);
    }
    return runs;
}

TablePoint PointOf(const std::string& text) {
    TablePoint p{};
    std::istringstream(text) >> p.x >> p.y >> p.z;
    return p;
}

} // namespace

TEST(SabotageRuns, EachRivalCampIsDrawnOnceWithAndOnceWithoutTheOnlineAssetsIfItNeedsNone) {
    corvale::testing::ScriptHarness h;
    CampComplexes complexes;
    h.start([&] { complexes.fill(); });
    h.runUntilFinished(2);
    ASSERT_EQ(complexes.all().size(), 24u);

    std::map<bool, std::set<const CampComplex*>> played; // by the online assets switch
    for (const ScenarioRunLine& run : ReadRuns()) {
        SCOPED_TRACE(run.name);
        const auto value = [&](const char* key) {
            const auto found = run.values.find(key);
            EXPECT_NE(found, run.values.end()) << key;
            return found == run.values.end() ? std::string() : found->second;
        };
        const bool mpAssets = value("MP_ASSETS") == "1";
        int32_t offered = -1;
        const CampComplex* drawn =
            complexes.chooseComplex(std::stoi(value("LOCATION")), mpAssets, [&](int32_t count) {
                offered = count;
                return std::stoi(value("PICK"));
            });
        ASSERT_NE(drawn, nullptr);
        EXPECT_EQ(offered, std::stoi(value("OF")));
        const TablePoint centre = PointOf(value("CENTRE"));
        EXPECT_FLOAT_EQ(drawn->centre.x, centre.x);
        EXPECT_FLOAT_EQ(drawn->centre.y, centre.y);
        EXPECT_FLOAT_EQ(drawn->centre.z, centre.z);
        EXPECT_TRUE(played[mpAssets].insert(drawn).second) << "played twice";
    }
    EXPECT_EQ(played[true].size(), 24u);
    size_t needNone = 0;
    for (const CampComplex& c : complexes.all())
        needNone += !c.requiresMpAssets;
    EXPECT_EQ(played[false].size(), needNone);
    EXPECT_EQ(needNone, 17u);
}
