#pragma once
// The missions manager run as the camp plug-in runs it: built at start-up, ticked once per
// frame inside a script of the simulator, with a mission type that lives in the tests.
#include "core/data/DictDataFile.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/timers/GameTimer.h"
#include "missions/MissionsManager.h"
#include "support/ScriptAction.h"
#include "support/ScriptHarness.h"
#include "ui/Notifications.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvale::testing {

inline constexpr int32_t kTallTrees = 1684533001;
inline constexpr MissionType kTestType = static_cast<MissionType>(7);

// A mission whose per-frame logic is the test's; it records its status changes.
class TestMission final : public BaseMissionProcessor {
  public:
    explicit TestMission(const MissionKit& kit, MissionType type = kTestType,
                         MissionStatus status = MissionStatus::Running)
        : BaseMissionProcessor(type, status, Vector3(1, 2, 3), kit) {}

    void update() override {
        ++updates;
        if (onUpdate) onUpdate(*this);
    }
    void onStatusChanged(MissionStatus from, MissionStatus to) override {
        changes.emplace_back(from, to);
    }

    std::function<void(TestMission&)> onUpdate;
    int updates = 0;
    std::vector<std::pair<MissionStatus, MissionStatus>> changes;
};

class MissionStory {
  public:
    explicit MissionStory(int frameMs = 33) : h_(Options(frameMs)) { h_.captureLog(); }

    // Builds the manager in the script's first frame, then, as the camp's frame loop does,
    // refreshes the player's ped, shows pending toasts and ticks the manager once per frame;
    // setUp
    // registers mission types.
    void begin(std::function<void(MissionsManager&)> setUp = nullptr) {
        h_.start([this, setUp] {
            cooldown_ = std::make_unique<GameTimer>();
            manager_ = std::make_unique<MissionsManager>(
                save, lang, MissionKit{notifications, debugTools}, *cooldown_,
                [](int32_t id) { return id == kTallTrees; });
            if (setUp) setUp(*manager_);
            for (;;) {
                RefreshPlayerPed();
                action_.runPending();
                notifications.flushPendingTexts();
                manager_->tick();
                ScriptWait(0);
            }
        });
    }

    void frames(int n) { h_.sim().runFrames(n); }
    // Runs f on the script, before the manager's tick of the next frame.
    void inScript(std::function<void()> f) { action_.runNext(h_.sim(), std::move(f)); }

    MissionsManager& manager() { return *manager_; }
    sim::World& world() { return h_.world(); }
    ScriptHarness& harness() { return h_; }

    int logCount(const std::string& text) const {
        const auto lines = h_.logLines();
        return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
            return l.find(text) != std::string::npos;
        }));
    }
    std::vector<const sim::SentEvent*> sent(const std::string& name) {
        std::vector<const sim::SentEvent*> found;
        for (const auto& e : h_.world().events.sent)
            if (e.name == name) found.push_back(&e);
        return found;
    }

    DictDataFile save{"Corvale/Savegame.dat"};
    DictDataFile lang{"Corvale/Lang.dat"};
    Notifications notifications;
    DebugTools debugTools;

  private:
    static sim::Options Options(int frameMs) {
        sim::Options o;
        o.frameMs = frameMs;
        return o;
    }

    ScriptHarness h_;
    std::unique_ptr<GameTimer> cooldown_;
    std::unique_ptr<MissionsManager> manager_;
    ScriptAction action_;
};

} // namespace corvale::testing
