#pragma once
// The camp guards as the camp manager drives them: a script of the simulator builds the camp
// at a location, creates the guards and ticks them every frame, and between ticks runs what
// a test hands it (a move, a clear). The world is driven and checked with scenario commands.
#include "Hash.h"
#include "camp/CampGuards.h"
#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/DebugTools.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "host/HostApi.h"
#include "scenario/Scenario.h"
#include "site/CampInterface.h"
#include "site/CampLocation.h"
#include "support/ScriptHarness.h"
#include "support/ScriptJobs.h"
#include "support/TestPaths.h"
#include "world/Lifecycle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace corvale::testing {

inline constexpr int32_t kTallTrees = 1684533001;
inline constexpr int32_t kHeartlands = 131399519;
inline constexpr const char* kGuardModel = "a_m_m_htlroughtravellers_01";

class GuardsStory : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::RunSettings settings;
        settings.dataDir = corvale::testing::SourcePath() + "/data";
        run = std::make_unique<sim::ScenarioRun>(settings);
        run->setPlugins({});
        // The guards' code calls the game through the simulator, as a plug-in does.
        host::Install(host::PlatformHost());
        EnableLog(true);
        ASSERT_TRUE(data.loadFiles());
        camp = std::make_unique<CampInterface>(data);
        guards = std::make_unique<CampGuards>(*camp, data, debug);
    }
    void TearDown() override {
        EnableLog(false);
        run.reset();
    }

    // The camp plug-in's frame as far as the guards go: the camp is built at location with
    // three guards, then the guards are ticked every frame. Returns once they are created.
    void begin(int32_t location = kTallTrees) {
        StartScript(run->sim(), [this, location] {
            RefreshPlayerPed();
            buildAt(location);
            guards->create(3, 0);
            created = true;
            for (;;) {
                RefreshPlayerPed();
                jobs.runPending();
                guards->tick();
                ScriptWait(0);
            }
        });
        // The guards' model streams in over a few frames (10 s at most).
        for (int i = 0; i < 400 && !created; ++i)
            run->runFrames(1);
    }
    void buildAt(int32_t location) {
        camp->setLocation(FindCampLocation(location));
        camp->build(HashString("pg_re_moonshinecampgroup02x"));
    }
    // Runs work inside the script before the guards' tick (it may wait frames).
    bool inScript(std::function<void()> work, int limit = 900) {
        return jobs.run(std::move(work), limit, [this] { run->runFrames(1); });
    }
    // Plays scenario lines; true when every expectation among them held.
    bool holds(const std::string& text) {
        const int failedBefore = run->failed();
        run->run(sim::ParseScenarioText(text, "guards.scn"));
        return run->failed() == failedBefore;
    }
    void frames(int n) { run->runFrames(static_cast<uint64_t>(n)); }
    void kill(Ped ped) { sim::KillEntity(run->sim(), ped, "killed by the test"); }

    sim::World& world() { return run->sim().world(); }
    bool noFault() { return run->sim().faults().empty(); }
    const sim::TaskStep* taskOf(Ped ped) { return world().pedTasks.current(ped); }
    bool fights(Ped ped, Ped target) {
        const sim::TaskStep* s = taskOf(ped);
        return s && s->kind == sim::TaskKind::Combat && s->entity == target;
    }
    // The living guards, in no particular order.
    std::vector<Ped> livingGuards() {
        std::vector<Ped> found;
        for (const auto& [handle, e] : world().entities)
            if (e.kind == sim::EntityKind::Ped && e.alive && e.model == sim::GameHash(kGuardModel))
                found.push_back(handle);
        return found;
    }

    std::unique_ptr<sim::ScenarioRun> run;
    GameData data;
    DebugTools debug;
    std::unique_ptr<CampInterface> camp;
    std::unique_ptr<CampGuards> guards;
    corvale::testing::ScriptJobs jobs;
    bool created = false;
};

} // namespace corvale::testing
