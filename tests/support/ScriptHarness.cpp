#include "ScriptHarness.h"

#include "core/log/Log.h"
#include "core/natives/GaveUp.h"
#include "core/natives/Script.h"
#include "host/HostApi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <fstream>

namespace corvale::testing {

namespace fs = std::filesystem;

namespace {

// Scripts first run in registration order, so each entry takes the oldest waiting body.
std::deque<std::shared_ptr<TestScript>>& Waiting() {
    static auto* waiting = new std::deque<std::shared_ptr<TestScript>>();
    return *waiting;
}

} // namespace

std::shared_ptr<TestScript> StartScript(sim::Simulator& sim, std::function<void()> body) {
    host::Install(host::PlatformHost());
    // Each test plays a game of its own: no model gave up before it.
    if (sim.world().frame == 0) ForgetEveryGaveUp();
    auto script = std::make_shared<TestScript>();
    script->body = std::move(body);
    Waiting().push_back(script);
    sim.hostScriptRegister(nullptr, [] {
        // A script that never returns keeps its state alive on its blocked thread.
        std::shared_ptr<TestScript> self = Waiting().front();
        Waiting().pop_front();
        self->body();
        self->finished = true;
    });
    return script;
}

void EveryFrame(sim::Simulator& sim, std::function<void()> pass) {
    StartScript(sim, [pass = std::move(pass)] {
        for (;;) {
            pass();
            ScriptWait(0);
        }
    });
}

uint64_t NativeHash(std::string_view name) {
    static const sim::NativeTable* table = [] {
        auto* t = new sim::NativeTable();
        sim::RegisterAllNatives(*t);
        return t;
    }();
    for (const auto& [hash, spec] : table->all())
        if (spec.name == name) return hash;
    ADD_FAILURE() << "the simulator declares no native " << name;
    return 0;
}

void WatchNative(sim::Simulator& sim, std::string_view name,
                 std::function<void(const sim::NativeArgs&)> seen) {
    const uint64_t hash = NativeHash(name);
    sim::NativeHandler original = sim.natives().find(hash)->handler;
    // Taking the call whole keeps the native's name in the handler's faults and traces.
    sim.natives().override(hash, [=](sim::Call& c) {
        seen(c.a);
        original(c);
    });
}

ScriptHarness::ScriptHarness(sim::Options options)
    : sim_(std::make_unique<sim::Simulator>(options)) {
    // Tests play on plain positions, not on the game's map: flat ground at 0 unless they say.
    sim_->world().ground.flat = 0.0f;
    host::Install(host::PlatformHost());
    ForgetEveryGaveUp();
}

ScriptHarness::~ScriptHarness() {
    Waiting().clear(); // scripts of this simulator that never ran
    EnableLog(false);
    std::error_code ec;
    if (!previousDir_.empty()) fs::current_path(previousDir_, ec);
    if (!gameDir_.empty()) fs::remove_all(gameDir_, ec);
}

uint64_t ScriptHarness::runUntilFinished(uint64_t limit) {
    uint64_t frames = 0;
    while (!finished() && frames < limit) {
        sim_->runFrame();
        ++frames;
    }
    return frames;
}

void ScriptHarness::captureLog() {
    char dir[] = "/tmp/corvale-harness-XXXXXX";
    if (!mkdtemp(dir)) std::abort();
    gameDir_ = dir;
    fs::create_directories(gameDir_ / "Corvale");
    previousDir_ = fs::current_path();
    fs::current_path(gameDir_);
    EnableLog(true);
}

std::vector<std::string> ScriptHarness::logLines() const {
    std::vector<std::string> lines;
    std::ifstream in(gameDir_ / "Corvale" / "Camp.log");
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

uint64_t ScriptHarness::callsOf(std::string_view name) const {
    const auto& census = sim_->figures().census();
    auto it = census.find(NativeHash(name));
    return it == census.end() ? 0 : it->second.calls;
}

} // namespace corvale::testing
