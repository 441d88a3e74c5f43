#pragma once
// The one script harness of the tests: runs plug-in code as a script of the simulator, the
// way the host runs the plug-ins' scripts, so wrappers that wait (scriptWait) and passes run
// every frame are tested against the simulated world.
#include "NativeTable.h"
#include "Simulator.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvale::testing {

struct TestScript {
    std::function<void()> body;
    bool finished = false;
};

// Registers body as a script of sim; it first runs in the next frame. Installs the
// simulator's host binding for the test's own plug-in code.
std::shared_ptr<TestScript> StartScript(sim::Simulator& sim, std::function<void()> body);
// Registers a script that runs pass once every frame, as the camp plug-in runs its kit code;
// its figures are those of script "unknown".
void EveryFrame(sim::Simulator& sim, std::function<void()> pass);

// The hash the simulator declares for the game's native of that name ("REQUEST_MODEL"), so
// tests name natives instead of copying their hashes; a name it does not declare fails the test.
uint64_t NativeHash(std::string_view name);

// Wraps the simulator's handler of a native: `seen` runs first with the arguments as the
// game receives them, then the simulator's own handler.
void WatchNative(sim::Simulator& sim, std::string_view name,
                 std::function<void(const sim::NativeArgs&)> seen);

class ScriptHarness {
  public:
    explicit ScriptHarness(sim::Options options = {});
    ~ScriptHarness();

    void start(std::function<void()> body) { last_ = StartScript(*sim_, std::move(body)); }
    void everyFrame(std::function<void()> pass) { EveryFrame(*sim_, std::move(pass)); }
    // The script started last has returned.
    bool finished() const { return last_ && last_->finished; }
    // Runs frames until the last script returned or `limit` frames have run; the frames run.
    uint64_t runUntilFinished(uint64_t limit);

    // Makes the log write into a fresh game folder; the lines written so far.
    void captureLog();
    std::vector<std::string> logLines() const;

    sim::Simulator& sim() { return *sim_; }
    sim::World& world() { return sim_->world(); }
    // Calls of a native so far, by the game's name of it.
    uint64_t callsOf(std::string_view name) const;

  private:
    std::unique_ptr<sim::Simulator> sim_;
    std::shared_ptr<TestScript> last_;
    std::filesystem::path gameDir_, previousDir_;
};

} // namespace corvale::testing
