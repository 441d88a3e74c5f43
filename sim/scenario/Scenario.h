#pragma once
// Scenario files: one command a line, driving the simulated world and checking it.
#include "Simulator.h"
#include "scenario/Grammar.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {

struct Command {
    std::string file;
    int line = 0;
    std::vector<std::string> words; // the command's words, quotes removed
    std::vector<std::string> body;  // lines of a "<<END" block
    bool block = false;             // written with a "<<END" block (which may be empty)
    std::string text() const;       // the command as written, for reports
};

// A malformed scenario (exit 2), reported with file and line.
struct ScenarioError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws the ScenarioError of a malformed command, naming its file and line.
[[noreturn]] void Fail(const Command& c, const std::string& what);

// A scenario's parameters by name (--define NAME=VALUE): each ${NAME} in its text, comments
// and <<END blocks included, reads as the value; one without a value is a bad line.
using Defines = std::map<std::string, std::string>;
bool IsParameterName(const std::string& name); // a letter or _, then letters, digits or _

// Parses a scenario; throws ScenarioError.
std::vector<Command> ParseScenario(const std::string& path, const Defines& defines = {});
std::vector<Command> ParseScenarioText(const std::string& text, const std::string& name,
                                       const Defines& defines = {});

class ScenarioRun;
namespace chaos {
class Rules;
}

// Number forms of scenario words: false when the word is not one.
bool ParseInt32(const std::string& word, int64_t& out); // decimal, 0x hex or hash:TEXT
bool ParseNumber(const std::string& word, double& out); // decimal with or without a point

// Argument readers shared by the command families; they throw ScenarioError.
int64_t ArgInt(const Command& c, size_t n);   // decimal, 0x hex or hash:TEXT
double ArgNumber(const Command& c, size_t n); // decimal with or without a point
const std::string& Arg(const Command& c, size_t n);
bool ArgOnOff(const Command& c, size_t n);
float ArgFloat(const Command& c, size_t n);
// A model name as the game hashes it; the name is remembered for the timeline.
uint32_t ArgModel(ScenarioRun& run, const Command& c, size_t n);
uint32_t KeyCode(const std::string& name); // F1..F12, A..Z or a decimal code

using CommandHandler = std::function<void(ScenarioRun&, const Command&)>;

class CommandRegistry {
  public:
    // name is one or two words ("frames", "expect log"); signature is the shape of its
    // arguments (see Grammar.h).
    void add(const std::string& name, const std::string& signature, CommandHandler handler);
    const CommandHandler* find(const Command& c, size_t& consumedWords) const;
    // Throws the ScenarioError of a line that no command takes as written.
    void check(const Command& c) const;

  private:
    struct Entry {
        Signature signature;
        CommandHandler handler;
    };
    const Entry* lookup(const Command& c, size_t& consumed) const;
    std::map<std::string, Entry> entries_;
};

// until EXPECTATION [within SECONDS]: the expectation as an expect line, and the seconds.
Command UntilExpectation(const Command& until, double& seconds);

// Every family of scenario commands.
void RegisterAllCommands(CommandRegistry& registry);
// The commands of every scenario, registered once.
const CommandRegistry& ScenarioCommands();
// Checks every line of a scenario before its first frame; throws ScenarioError.
void CheckScenario(const std::vector<Command>& commands);

struct RunSettings {
    Options options;          // simulator options; options.gameDir is set per run
    std::string dataDir;      // the shipped data folder copied into a fresh game folder
    std::string fixedGameDir; // --game-dir: run there as it is
    std::string snapshotDir;
};

// One scenario file run against a fresh world.
class ScenarioRun {
  public:
    explicit ScenarioRun(const RunSettings& settings);
    ~ScenarioRun();

    // Runs every command; returns 0 all held, 1 an expectation failed, 2 fault or bad file.
    int run(const std::vector<Command>& commands);
    // Runs one command of a checked scenario.
    void execute(const Command& c);

    // `rules on`: the rules of any play are checked after every frame from here on; a
    // broken one fails the run (once per rule) as a failed expectation does.
    void rulesOn(const Command& c);
    chaos::Rules* rules() { return rules_.get(); }

    Simulator& sim() { return *sim_; }
    const RunSettings& settings() const { return settings_; }
    // Attaches the chosen plug-ins before the first frame.
    void ensureAttached();
    void runFrames(uint64_t n);
    void runSeconds(double s);
    void setPlugins(std::vector<std::string> names) { plugins_ = std::move(names); }
    // A path inside the game folder.
    std::string gamePath(const std::string& relative) const;
    std::string gameDir() const { return gameDir_; }
    // Records one expectation: prints "ok" or "FAIL" with what was found instead.
    void expect(const Command& c, bool held, const std::string& found = "");
    // Runs an expectation's handler without recording it: whether it held, and what was
    // found instead when it did not.
    bool probe(const CommandHandler& handler, const Command& c, std::string& found);
    const CommandRegistry& commands() const { return ScenarioCommands(); }
    int passed() const { return passed_; }
    // Where `expect budget` starts counting each script's frames: set by `mark`; without
    // one, after the script's first (start-up) frame.
    std::map<std::string, size_t> budgetFrom;
    int failed() const { return failed_; }

  private:
    void collectFrameOutput();

    RunSettings settings_;
    std::string gameDir_;
    bool ownsGameDir_ = false;
    std::unique_ptr<Simulator> sim_;
    std::vector<std::string> plugins_{"camp", "business"};
    int passed_ = 0;
    int failed_ = 0;
    size_t faultsCounted_ = 0;
    struct Probe {
        bool held = false;
        std::string found;
    };
    Probe* probe_ = nullptr; // set while an expectation is probed
    std::unique_ptr<chaos::Rules> rules_;
    Command rulesCommand_;
    uintmax_t logSeen_ = 0;
    size_t messagesSeen_ = 0;
    int32_t cashSeen_ = 0;
};

} // namespace sim
