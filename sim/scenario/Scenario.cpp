// One scenario run: a fresh game folder, the simulator, and the commands in order.
#include "scenario/Scenario.h"

#include "chaos/Rules.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace sim {

namespace fs = std::filesystem;

namespace {

// A new folder of its own under the system's temporary folder.
std::string MakeGameFolder() {
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec) throw ScenarioError("no temporary folder: " + ec.message());
    std::random_device device;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "corvale-game-%08x", static_cast<unsigned>(device()));
        const fs::path dir = temp / name;
        if (fs::create_directory(dir, ec)) return dir.string();
    }
    throw ScenarioError("cannot make a game folder");
}

} // namespace

ScenarioRun::ScenarioRun(const RunSettings& settings) : settings_(settings) {
    // The run changes into its game folder: paths given are taken from where we are now.
    for (std::string* path : {&settings_.dataDir, &settings_.fixedGameDir, &settings_.snapshotDir,
                              &settings_.options.pluginDir})
        if (!path->empty()) *path = fs::absolute(*path).lexically_normal().string();
    if (!settings_.fixedGameDir.empty()) {
        gameDir_ = fs::absolute(settings_.fixedGameDir).string();
        fs::create_directories(gameDir_);
    } else {
        gameDir_ = MakeGameFolder();
        ownsGameDir_ = true;
        std::error_code ec;
        fs::copy(settings_.dataDir, gameDir_, fs::copy_options::recursive, ec);
        if (ec)
            throw ScenarioError("cannot copy data from " + settings_.dataDir + ": " + ec.message());
    }
    // The plug-ins open their files relative to the game folder, as in the game.
    std::error_code entered;
    fs::current_path(gameDir_, entered);
    if (entered) throw ScenarioError("cannot enter " + gameDir_);
    settings_.options.gameDir = gameDir_;
    sim_ = std::make_unique<Simulator>(settings_.options);
    sim_->afterFrame = [this] { collectFrameOutput(); };
}

void ScenarioRun::rulesOn(const Command& c) {
    if (rules_) return;
    rulesCommand_ = c;
    rules_ = std::make_unique<chaos::Rules>(*sim_, gameDir_);
    rules_->onBreak = [this](const chaos::BrokenRule& b) {
        ++failed_;
        std::printf("FAIL %s:%d rules on: rule %s broken at frame %llu (%.3f s): %s\n",
                    rulesCommand_.file.c_str(), rulesCommand_.line, b.rule.c_str(),
                    static_cast<unsigned long long>(b.frame), b.gameTimer / 1000.0,
                    b.what.c_str());
    };
}

void ScenarioRun::execute(const Command& c) {
    size_t consumed = 0;
    // Another mod's events: the player is not idle while they are handled.
    if (rules_ && (c.words[0] == "event" || c.words[0] == "event-raw")) rules_->outsideEvent();
    if (rules_ && (c.words[0] == "prompt" || c.words[0] == "control"))
        rules_->pressed(c.words[0] == "prompt" && c.words.size() > 2 ? ArgInt(c, 2) : 1);
    (*ScenarioCommands().find(c, consumed))(*this, c);
}

ScenarioRun::~ScenarioRun() {
    if (sim_->attached()) sim_->detachAll();
    sim_.reset();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    if (ownsGameDir_) fs::remove_all(gameDir_, ec);
}

std::string ScenarioRun::gamePath(const std::string& relative) const {
    return (fs::path(gameDir_) / relative).string();
}

void ScenarioRun::ensureAttached() {
    if (sim_->attached()) return;
    sim_->attach(plugins_);
}

void ScenarioRun::runFrames(uint64_t n) {
    ensureAttached();
    sim_->runFrames(n);
}

void ScenarioRun::runSeconds(double s) {
    ensureAttached();
    sim_->runSeconds(s);
}

void ScenarioRun::expect(const Command& c, bool held, const std::string& found) {
    if (probe_) {
        probe_->held = held;
        probe_->found = found;
        return;
    }
    if (held) {
        ++passed_;
        std::printf("ok   %s:%d %s\n", c.file.c_str(), c.line, c.text().c_str());
    } else {
        ++failed_;
        std::printf("FAIL %s:%d %s%s%s\n", c.file.c_str(), c.line, c.text().c_str(),
                    found.empty() ? "" : ": found ", found.c_str());
    }
}

bool ScenarioRun::probe(const CommandHandler& handler, const Command& c, std::string& found) {
    Probe result;
    probe_ = &result;
    try {
        handler(*this, c);
    } catch (...) {
        probe_ = nullptr;
        throw;
    }
    probe_ = nullptr;
    found = result.found;
    return result.held;
}

void ScenarioRun::collectFrameOutput() {
    World& w = sim_->world();
    for (; messagesSeen_ < w.messages.size(); ++messagesSeen_)
        sim_->trace("message: " + w.messages[messagesSeen_]);
    if (w.player.cashCents != cashSeen_) {
        cashSeen_ = w.player.cashCents;
        sim_->trace("cash: " + std::to_string(cashSeen_) + " cents");
    }
    if (rules_) rules_->check();
    if (!settings_.options.trace) return;
    std::error_code ec;
    const fs::path log = gamePath("Corvale/Camp.log");
    const uintmax_t size = fs::file_size(log, ec);
    if (ec) return;
    if (size < logSeen_) logSeen_ = 0; // deleted and started anew
    if (size == logSeen_) return;
    std::ifstream in(log, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(logSeen_));
    std::string line;
    while (std::getline(in, line))
        sim_->trace("log: " + line);
    logSeen_ = size;
}

int ScenarioRun::run(const std::vector<Command>& commands) {
    CheckScenario(commands);
    for (const Command& c : commands)
        execute(c);
    for (size_t i = 0; i < sim_->scriptCount(); ++i)
        sim_->trace("script " + sim_->scriptName(i) + " ran " +
                    std::to_string(sim_->scriptFrames(i)) + " frames");
    // A fault fails the run as a failed expectation would, and is counted once.
    const std::vector<std::string>& faults = sim_->faults();
    if (faults.size() > faultsCounted_) {
        ++failed_;
        std::printf(
            "FAIL %s: protocol fault: %s%s\n",
            commands.empty() ? "scenario" : commands[0].file.c_str(),
            faults[faultsCounted_].c_str(),
            faults.size() - faultsCounted_ > 1
                ? (" (and " + std::to_string(faults.size() - faultsCounted_ - 1) + " more)").c_str()
                : "");
        faultsCounted_ = faults.size();
    }
    if (rules_ && rules_->held()) expect(rulesCommand_, true);
    if (!faults.empty()) return 2;
    return failed_ ? 1 : 0;
}

} // namespace sim
