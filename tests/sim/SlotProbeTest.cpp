// Every argument slot is read as its native's list types it: a plug-in pushing slots by hand
// sees each good push taken and each bad one faulted, naming the argument and what is wrong.
#include "Simulator.h"
#include "SlotProbe/SlotProbeCases.h"

#include <gtest/gtest.h>

TEST(SlotTypes, EachSlotKindTakesAGoodPushAndFaultsABadOne) {
    sim::Options options;
    options.pluginDir = CORVALE_PROBE_DIR;
    sim::Simulator simulator(options);
    ASSERT_TRUE(simulator.attach({"SlotProbe"}))
        << (simulator.faults().empty() ? "" : simulator.faults().front());
    for (const slot_probe::ProbeCase& c : slot_probe::kCases) {
        SCOPED_TRACE(c.what);
        const size_t before = simulator.faults().size();
        simulator.runFrame();
        const size_t raised = simulator.faults().size() - before;
        if (!c.fault) {
            EXPECT_EQ(raised, 0u) << (raised ? simulator.faults().back() : "");
            continue;
        }
        ASSERT_EQ(raised, 1u);
        EXPECT_NE(simulator.faults().back().find(c.fault), std::string::npos)
            << simulator.faults().back();
    }
    EXPECT_EQ(simulator.scriptFrames(0), slot_probe::kCaseCount);
    simulator.detachAll();
}
