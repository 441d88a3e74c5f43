#include "scenario/Scenario.h"

#include "Hash.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace sim {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitWords(const std::string& line, const std::string& where) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (std::isspace(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        std::string word;
        if (line[i] == '"') {
            const size_t end = line.find('"', i + 1);
            if (end == std::string::npos) throw ScenarioError(where + ": unterminated quote");
            word = line.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

} // namespace

void Fail(const Command& c, const std::string& what) {
    throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": " + what);
}

std::string Command::text() const {
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += ' ';
        out += w.find(' ') != std::string::npos || w.empty() ? "\"" + w + "\"" : w;
    }
    return out;
}

std::vector<Command> ParseScenarioText(const std::string& text, const std::string& name) {
    std::vector<Command> commands;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = name + ":" + std::to_string(number);
        Command c{name, number, SplitWords(line, where), {}};
        if (c.words.empty()) continue;
        // "file PATH <<END": the lines up to END are the file's content.
        if (c.words.size() >= 3 && c.words[c.words.size() - 1].rfind("<<", 0) == 0) {
            const std::string end = c.words.back().substr(2);
            c.words.pop_back();
            bool closed = false;
            while (std::getline(in, line)) {
                ++number;
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (line == end) {
                    closed = true;
                    break;
                }
                c.body.push_back(line);
            }
            if (!closed) throw ScenarioError(where + ": no " + end + " after the block");
        }
        commands.push_back(std::move(c));
    }
    return commands;
}

std::vector<Command> ParseScenario(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScenarioError(path + ": cannot read the scenario");
    std::ostringstream text;
    text << in.rdbuf();
    return ParseScenarioText(text.str(), path);
}

const std::string& Arg(const Command& c, size_t n) {
    if (n >= c.words.size()) Fail(c, "missing argument " + std::to_string(n));
    return c.words[n];
}

int64_t ArgInt(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    if (w.rfind("hash:", 0) == 0) return GameHash(w.substr(5));
    errno = 0;
    char* end = nullptr;
    const bool hex = w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X');
    const long long v =
        hex ? std::strtoll(w.c_str() + 2, &end, 16) : std::strtoll(w.c_str(), &end, 10);
    if (errno || end == w.c_str() || *end != '\0' || v < INT32_MIN || v > UINT32_MAX)
        Fail(c, "not a 32-bit number: " + w);
    return v;
}

double ArgNumber(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    if (w.find('.') == std::string::npos) return static_cast<double>(ArgInt(c, n));
    char* end = nullptr;
    const double v = std::strtod(w.c_str(), &end);
    if (end == w.c_str() || *end != '\0') Fail(c, "not a number: " + w);
    return v;
}

float ArgFloat(const Command& c, size_t n) {
    return static_cast<float>(ArgNumber(c, n));
}

uint32_t ArgModel(ScenarioRun& run, const Command& c, size_t n) {
    const std::string& name = Arg(c, n);
    const uint32_t hash = GameHash(name);
    run.sim().world().hashNames.emplace(hash, name);
    return hash;
}

bool ArgOnOff(const Command& c, size_t n) {
    const std::string& w = Arg(c, n);
    if (w == "on") return true;
    if (w == "off") return false;
    Fail(c, "expected on or off, found " + w);
}

uint32_t KeyCode(const std::string& name) {
    if (name.size() >= 2 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
        const int f = std::atoi(name.c_str() + 1);
        if (f >= 1 && f <= 12) return 111 + static_cast<uint32_t>(f);
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<uint32_t>(name[0]);
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos)
        return static_cast<uint32_t>(std::stoul(name));
    return 0xFFFFFFFF;
}

void CommandRegistry::add(const std::string& name, CommandHandler handler) {
    handlers_[name] = std::move(handler);
}

const CommandHandler* CommandRegistry::find(const Command& c, size_t& consumed) const {
    if (c.words.size() >= 2) {
        auto it = handlers_.find(c.words[0] + " " + c.words[1]);
        if (it != handlers_.end()) {
            consumed = 2;
            return &it->second;
        }
    }
    auto it = handlers_.find(c.words[0]);
    if (it == handlers_.end()) return nullptr;
    consumed = 1;
    return &it->second;
}

ScenarioRun::ScenarioRun(const RunSettings& settings) : settings_(settings) {
    if (!settings_.fixedGameDir.empty()) {
        gameDir_ = fs::absolute(settings_.fixedGameDir).string();
        fs::create_directories(gameDir_);
    } else {
        char dir[] = "/tmp/corvale-game-XXXXXX";
        if (!mkdtemp(dir)) throw ScenarioError("cannot make a game folder");
        gameDir_ = dir;
        ownsGameDir_ = true;
        std::error_code ec;
        fs::copy(settings_.dataDir, gameDir_, fs::copy_options::recursive, ec);
        if (ec)
            throw ScenarioError("cannot copy data from " + settings_.dataDir + ": " + ec.message());
    }
    // The plug-ins open their files relative to the game folder, as in the game.
    if (chdir(gameDir_.c_str()) != 0) throw ScenarioError("cannot enter " + gameDir_);
    settings_.options.gameDir = gameDir_;
    sim_ = std::make_unique<Simulator>(settings_.options);
    sim_->afterFrame = [this] { collectFrameOutput(); };
    RegisterAllCommands(commands_);
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
    for (const Command& c : commands) {
        size_t consumed = 0;
        const CommandHandler* handler = commands_.find(c, consumed);
        if (!handler) Fail(c, "unknown command: " + c.words[0]);
        (*handler)(*this, c);
    }
    for (size_t i = 0; i < sim_->scriptCount(); ++i)
        sim_->trace("script " + sim_->scriptName(i) + " ran " +
                    std::to_string(sim_->scriptFrames(i)) + " frames");
    if (!sim_->faults().empty()) return 2;
    return failed_ ? 1 : 0;
}

} // namespace sim
