#pragma once
// The headless game host: loads the plug-ins, runs their scripts frame by frame against the
// simulated world and answers their native calls.
#include "Figures.h"
#include "NativeTable.h"
#include "World.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sim {

struct Options {
    std::string pluginDir;     // where the built CorvaleCamp and CorvaleBusiness plug-ins are
    std::string gameDir;       // the game folder (holds Corvale/)
    bool trace = false;        // print the timeline as it happens
    int frameMs = 33;          // game timer step per frame
    uint32_t seed = 1;         // the game's random natives
};

struct PluginModule;
struct Script;

using KeyboardHandler = void (*)(uint32_t, uint16_t, uint8_t, int, int, int, int);

class Simulator {
  public:
    explicit Simulator(Options options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // The simulator the host operations talk to (one at a time).
    static Simulator* current();

    // Loads and attaches plug-ins by name ("camp", "business", or a file NAME.so or NAME.asi
    // of the plug-in folder), in the order given.
    bool attach(const std::vector<std::string>& names);
    bool attached() const { return !modules_.empty(); }
    void detachAll();
    // The game is quit and started again in the same game folder: the plug-ins detach, the
    // world is a new game's (the player keeps his place, cash and items), and they attach
    // again in the same order.
    void restartGame();
    int restarts() const { return restarts_; }

    // One frame: timer, keyboard messages, per-frame state, then each due script in turn.
    void runFrame();
    void runFrames(uint64_t n);
    void runSeconds(double seconds);

    World& world() { return world_; }
    NativeTable& natives() { return natives_; }
    Figures& figures() { return figures_; }
    const Options& options() const { return options_; }

    // Protocol faults fail the run.
    void fault(const std::string& what);
    const std::vector<std::string>& faults() const { return faults_; }
    // A line of the timeline (printed with --trace).
    void trace(const std::string& what);
    // Runs after each frame (the scenario runner collects log lines and expectations).
    std::function<void()> afterFrame;
    // Per-frame state cleared at the start of every frame by the families that own it.
    std::vector<std::function<void(World&)>> frameResets;

    // A key press and release delivered before the next frame.
    void queueKey(uint32_t virtualKey);

    // Script and module views for tests and figures.
    size_t scriptCount() const { return scripts_.size(); }
    std::string scriptName(size_t i) const;
    // The name of the script whose slice is running, "" between slices.
    std::string runningScript() const;
    uint64_t scriptFrames(size_t i) const;
    bool scriptFinished(size_t i) const;
    // Game time since the script last came back to its main loop's wait (its shallowest
    // wait): how long its current frame has been blocked in waits of its own. 0 for a script
    // not started, finished or unregistered.
    int32_t scriptFrameOpenMs(size_t i) const;
    size_t keyboardHandlers() const { return keyboardHandlers_.size(); }

    // Host operations (called through the extern "C" host functions).
    void hostScriptRegister(void* module, void (*entry)());
    void hostScriptUnregister(void* module);
    void hostScriptWait(uint32_t ms);
    void hostKeyboardRegister(KeyboardHandler handler);
    void hostKeyboardUnregister(KeyboardHandler handler);
    void hostNativeInit(uint64_t hash);
    void hostNativePush(uint64_t slot);
    uint64_t* hostNativeCall();
    // Platform seams, following the simulated clock.
    uint32_t tickCount() const;
    int64_t calendarTime() const;
    void localTime(int64_t calendar, std::tm* out) const;
    void seedRandom(uint32_t seed);
    int random();
    // The game's own random natives.
    uint32_t nextRandom();

  private:
    void resume(Script& script);
    void deliverKeys();
    void tracePromptChanges();

    Options options_;
    World world_;
    NativeTable natives_;
    Figures figures_;
    std::vector<std::string> faults_;
    std::vector<std::unique_ptr<PluginModule>> modules_;
    std::vector<Script*> scripts_; // owned by a process-wide keeper (see Simulator.cpp)
    std::vector<KeyboardHandler> keyboardHandlers_;
    std::vector<uint32_t> pendingKeys_;
    Script* running_ = nullptr;
    PluginModule* attaching_ = nullptr; // the plug-in being loaded
    uint32_t fallbackRandom_ = 1;
    uint64_t gameRandom_ = 0;
    int restarts_ = 0;

    // The call being built.
    uint64_t callHash_ = 0;
    std::vector<uint64_t> callArgs_;
    NativeResult callResult_;
};

} // namespace sim
