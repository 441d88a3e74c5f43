#pragma once
// Rival guards run as their owner will run them: a script of the simulator that, once per
// frame, refreshes the player's ped, samples his throws, runs the whistle detector and then
// updates every guard. The owner lives here in the tests; the shipped "AI.dat" tunes them.
#include "Hash.h"
#include "ai/GuardAI.h"
#include "ai/WhistleDetector.h"
#include "core/data/DictDataFile.h"
#include "core/data/Settings.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/runtime/ThrowImpactSampler.h"
#include "support/ScriptAction.h"
#include "support/ScriptHarness.h"
#include "support/TestPaths.h"
#include "world/Lifecycle.h"

#include <functional>
#include <memory>
#include <vector>

namespace corvale::testing {

inline constexpr uint32_t kGuardModel = 0x4755A12D;

class GuardStory {
  public:
    GuardStory() {
        h_.captureLog();
        ai.load();
        player = h_.world().player.ped;
    }
    ~GuardStory() {
        // The guards go inside the script, where their owner would let them go.
        inScript([this] { guards_.clear(); });
    }

    // A guard ped at the point; his AI joins in the first frame. At his post he keeps watch
    // there (a scenario in place) until something calls him away; else he moves about.
    int32_t spawn(sim::Vec3 at, bool atPost = true) {
        const int32_t ped = h_.world().spawn(sim::EntityKind::Ped, kGuardModel, at, 0.0f);
        peds_.push_back(ped);
        if (atPost) {
            sim::TaskStep watch;
            watch.kind = sim::TaskKind::Scenario;
            watch.scenario = sim::GameHash("WORLD_HUMAN_GUARD_SCOUT");
            watch.scriptTask = sim::GameHash("SCRIPT_TASK_START_SCENARIO_IN_PLACE");
            h_.world().pedTasks.of[ped].direct = watch;
        }
        return ped;
    }
    void begin() {
        h_.start([this] {
            RefreshPlayerPed();
            whistle_ = std::make_unique<WhistleDetector>();
            senses_ = std::make_unique<GuardSenses>(GuardSenses{ai, *whistle_, throws_, settings});
            for (int32_t ped : peds_)
                guards_.push_back(std::make_unique<GuardAI>(ped, *senses_));
            for (;;) {
                RefreshPlayerPed();
                action_.runPending();
                throws_.sample(PlayerPed());
                whistle_->update();
                for (auto& guard : guards_)
                    guard->update();
                ScriptWait(0);
            }
        });
        frames(1);
    }
    void frames(int n) { h_.sim().runFrames(n); }
    // Runs frames until the guard fights or the limit; the frames run.
    int framesUntilCombat(size_t guard, int limit) {
        for (int n = 1; n <= limit; ++n) {
            frames(1);
            if (mode(guard) == GuardMode::Combat) return n;
        }
        return -1;
    }
    // Runs f on the script before the guards' next update.
    void inScript(std::function<void()> f) { action_.runNext(h_.sim(), std::move(f)); }

    GuardAI& guard(size_t n) { return *guards_.at(n); }
    GuardMode mode(size_t n) { return guards_.at(n)->getMode(); }
    void dropGuard(size_t n) {
        inScript([this, n] { guards_.erase(guards_.begin() + static_cast<long>(n)); });
    }

    // The player stands at the point, out of the guards' sight behind a wall when hidden.
    void playerAt(sim::Vec3 at) { world().entities.at(player).position = at; }
    void wall(float x1, float y1, float x2, float y2) {
        world().map.walls.push_back(sim::Wall{x1, y1, x2, y2});
    }
    // An AI event from source, noticed by the peds within 50 m of it.
    void aiEvent(const char* type, int32_t source) {
        const sim::Vec3 at = world().entities.at(source).position;
        sim::NoticeAround(h_.sim(), at, 50.0f, sim::GameHash(type), source);
    }
    // The player whistles (the whistle detector reads it in the next frame).
    void whistle(const char* kind) {
        world().events.post(0,
                            sim::QueuedEvent{sim::GameHash("EVENT_PED_WHISTLE"),
                                             {static_cast<uint32_t>(player), sim::GameHash(kind)}});
    }
    size_t linesSaidBy(int32_t ped) {
        size_t n = 0;
        for (const auto& line : h_.world().peds.said)
            n += line.ped == ped;
        return n;
    }

    sim::World& world() { return h_.world(); }
    ScriptHarness& harness() { return h_; }

    DictDataFile ai{corvale::testing::SourcePath("/data/Corvale/AI.dat")};
    Settings settings;
    int32_t player = 0;

  private:
    ScriptHarness h_;
    // Made in the script: the detector hashes its names through the game.
    std::unique_ptr<WhistleDetector> whistle_;
    ThrowImpactSampler throws_;
    std::unique_ptr<GuardSenses> senses_;
    std::vector<int32_t> peds_;
    std::vector<std::unique_ptr<GuardAI>> guards_;
    ScriptAction action_;
};

} // namespace corvale::testing
