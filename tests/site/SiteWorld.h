#pragma once
// The camp set and the location selector as the camp manager drives them: one script of the
// simulator runs the selector's tick every frame and, between ticks, whatever a test hands
// it (opening the selector, building or removing the camp). The world is read the way the
// scenario expectations read it.
#include "Hash.h"
#include "SiteFixture.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "site/CampFee.h"
#include "site/CampInterface.h"
#include "site/CampLocationSelector.h"
#include "support/ScriptJobs.h"
#include "world/Lifecycle.h"

#include <functional>
#include <memory>
#include <string>

namespace corvale::testing {

class SiteWorldTest : public SiteTest {
  protected:
    void SetUp() override {
        SiteTest::SetUp();
        if (HasFatalFailure()) return;
        camp = std::make_unique<CampInterface>(data);
        fee = std::make_unique<CampFeeReader>(data.generalMetaFile());
        selector = std::make_unique<CampLocationSelector>(*camp, data, *fee);
        // Parked for good when the test ends; it is never resumed after that.
        h.start([this] {
            for (;;) {
                RefreshPlayerPed();
                jobs.runPending();
                selector->tick();
                ScriptWait(0);
            }
        });
        h.sim().runFrame();
    }

    // Runs work inside the script (it may wait frames); false when it did not end within
    // limit frames.
    bool inScript(std::function<void()> work, int limit = 600) {
        return jobs.run(std::move(work), limit, [this] { h.sim().runFrame(); });
    }
    void frames(int n) { h.sim().runFrames(static_cast<uint64_t>(n)); }
    sim::World& world() { return h.world(); }

    // "expect owned MODEL N": created by a plug-in, neither released nor deleted.
    size_t owned(const char* model = nullptr) {
        size_t n = 0;
        for (const auto& [handle, e] : world().entities) {
            if (!e.byPlugin || world().entityStates.of[handle].released) continue;
            if (model && e.model != sim::GameHash(model)) continue;
            ++n;
        }
        return n;
    }
    // Entities of model in the world, ours or released to the game.
    size_t present(const char* model) {
        size_t n = 0;
        for (const auto& [handle, e] : world().entities)
            n += e.model == sim::GameHash(model);
        return n;
    }
    // "expect blips N".
    size_t blips() { return world().blips.all.size(); }
    size_t blipsNamed(const std::string& name) {
        size_t n = 0;
        for (const auto& [handle, b] : world().blips.all)
            n += b.name == name;
        return n;
    }
    // "player interrupt": the item in the player's hands and their tasks end.
    void interruptPlayer() { sim::EndTasks(h.sim(), world().player.ped, "interrupted"); }
    // Presses a control during the next frame.
    void press(const char* control) { world().controls.queued.insert(sim::GameHash(control)); }

    std::unique_ptr<CampFeeReader> fee;
    std::unique_ptr<CampInterface> camp;
    std::unique_ptr<CampLocationSelector> selector;
    corvale::testing::ScriptJobs jobs;
};

} // namespace corvale::testing
