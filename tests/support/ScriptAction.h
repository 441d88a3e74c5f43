#pragma once
// Work a test hands to its story's endless script between frames: the script runs it at the top
// of its next frame, so plug-in code that must run on a script is called where it would be.
#include "Simulator.h"

#include <functional>
#include <utility>

namespace corvale::testing {

class ScriptAction {
  public:
    // The test's side: f runs in the next frame, which runs now.
    void runNext(sim::Simulator& sim, std::function<void()> f) {
        pending_ = std::move(f);
        sim.runFrame();
    }
    // The script's side, once a frame: runs what was handed over, if anything.
    void runPending() {
        if (pending_) std::exchange(pending_, nullptr)();
    }

  private:
    std::function<void()> pending_;
};

} // namespace corvale::testing
