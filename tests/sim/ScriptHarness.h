#pragma once
// Runs plug-in code as a script of the simulator, the way the host runs the plug-ins'
// scripts, so wrappers that wait (scriptWait) can be tested against the simulated world.
#include "Simulator.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvale::testing {

struct TestScript {
    std::function<void()> body;
    bool finished = false;
};

// Registers body as a script of sim; it first runs in the next frame. Installs the
// simulator's host binding for the test's own plug-in code.
std::shared_ptr<TestScript> StartScript(sim::Simulator& sim, std::function<void()> body);

class ScriptHarness {
  public:
    explicit ScriptHarness(sim::Options options = {});
    ~ScriptHarness();

    void start(std::function<void()> body) { last_ = StartScript(*sim_, std::move(body)); }
    // The script started last has returned.
    bool finished() const { return last_ && last_->finished; }
    // Runs frames until the last script returned or `limit` frames have run; the frames run.
    uint64_t runUntilFinished(uint64_t limit);

    // Makes the log write into a fresh game folder; the lines written so far.
    void captureLog();
    std::vector<std::string> logLines() const;

    sim::Simulator& sim() { return *sim_; }
    sim::World& world() { return sim_->world(); }
    // Calls of a native so far.
    uint64_t callsOf(uint64_t hash) const;

  private:
    std::unique_ptr<sim::Simulator> sim_;
    std::shared_ptr<TestScript> last_;
    std::filesystem::path gameDir_, previousDir_;
};

} // namespace corvale::testing
