// The script events the chaos world and the fuzzing of the event readers send as another
// mod would: every name the plug-ins use, so that a new event is sent too.
#include "chaos/OurEvents.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

TEST(ChaosEvents, OurEventsAreEveryNameThePlugInsSendOrRead) {
    std::ifstream in(corvale::testing::SourcePath("/src/core/events/EventNames.h"));
    ASSERT_TRUE(in) << "the plug-ins' event names";
    std::stringstream text;
    text << in.rdbuf();
    const std::string names = text.str();
    std::set<std::string> used;
    const std::regex quoted("\"(CORVALE_[A-Z_]+)\"");
    for (auto m = std::sregex_iterator(names.begin(), names.end(), quoted);
         m != std::sregex_iterator(); ++m)
        used.insert((*m)[1]);
    ASSERT_FALSE(used.empty());
    const std::set<std::string> listed(sim::chaos::kOurEvents,
                                       sim::chaos::kOurEvents + sim::chaos::kOurEventCount);
    EXPECT_EQ(listed.size(), sim::chaos::kOurEventCount) << "a name listed twice";
    EXPECT_EQ(listed, used);
}
