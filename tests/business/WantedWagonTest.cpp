// The business plug-in's own frames, run in the test's process so its log can be read: a
// wagon whose model never loads is given up on once, however long it stays away, and comes
// on its own once the model loads.
#include "Hash.h"
#include "business/BusinessScript.h"
#include "business/CampLocations.h"
#include "core/data/GameData.h"
#include "core/natives/GameClock.h"
#include "core/natives/Script.h"
#include "support/ScriptHarness.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

using namespace corvale;

TEST(WantedWagon, AModelThatNeverLoadsIsGivenUpOnceAndTheWagonComesWhenItLoads) {
    corvale::testing::ScriptHarness h;
    h.captureLog();
    const uint32_t model = sim::GameHash("WAGON05X");
    h.world().streaming.never.insert(model);
    GameData data;
    business::BusinessScript script(data);
    int32_t longestFrame = 0;
    bool placedWhileAway = false;
    int32_t runForMs = 90000; // past the minute a give-up is remembered
    h.start([&] {
        script.start();
        script.camp.pendingLocation = business::CampLocationNumber(2025841068);
        script.camp.locationEventTime = GameTimerMs();
        const int32_t first = GameTimerMs();
        while (GameTimerMs() - first < runForMs) {
            const int32_t before = GameTimerMs();
            script.frame();
            longestFrame = std::max(longestFrame, GameTimerMs() - before);
            placedWhileAway = placedWhileAway || script.camp.wagon != 0;
            ScriptWait(0);
        }
    });
    h.runUntilFinished(4000);
    ASSERT_TRUE(h.finished());
    EXPECT_FALSE(placedWhileAway);
    EXPECT_EQ(longestFrame, 0) << "no frame waits for the model";
    const std::string line = "failed to load model: " + std::to_string(static_cast<int32_t>(model));
    int gaveUp = 0;
    for (const std::string& l : h.logLines())
        gaveUp += l.find(line) != std::string::npos;
    EXPECT_EQ(gaveUp, 1);

    h.world().streaming.never.erase(model);
    runForMs = 2000;
    h.start([&] {
        const int32_t first = GameTimerMs();
        while (GameTimerMs() - first < runForMs && script.camp.wagon == 0) {
            script.frame();
            ScriptWait(0);
        }
    });
    h.runUntilFinished(200);
    ASSERT_TRUE(h.finished());
    EXPECT_NE(script.camp.wagon, 0);
    EXPECT_TRUE(h.sim().faults().empty());
}
