#include "Simulator.h"

#include "PluginModule.h"
#include "ScriptFlow.h"
#include "world/Advance.h"
#include "world/NewGame.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace sim {

extern void* const kHostAnchor;

namespace fs = std::filesystem;

// A registered script runs on a flow of its own (ScriptFlow.h).
struct Script {
    std::string name;
    PluginModule* module = nullptr;
    void (*entry)() = nullptr;
    ScriptFlow* flow = nullptr;
    bool started = false;
    bool finished = false;
    bool unregistered = false;
    int32_t waitStart = 0;
    uint32_t waitMs = 0;
    uint64_t waitFrame = 0;
    uint64_t frames = 0;
    // The stack address of the shallowest wait seen (the main loop's), and the game timer
    // when the script last waited there.
    uintptr_t shallowestWait = 0;
    int32_t frameEnd = 0;
    FrameFigures current;
    uint64_t sliceStart = 0;
};

namespace {

Simulator* gCurrent = nullptr;

// Scripts that never return stay in their last wait when a run ends; their state is kept for
// the life of the process so a blocked script thread never touches freed memory.
std::vector<std::unique_ptr<Script>>& ScriptKeeper() {
    static auto* keeper = new std::vector<std::unique_ptr<Script>>();
    return *keeper;
}

constexpr uint32_t kTickBase = 1000000;
constexpr int64_t kCalendarBase = 1796547903; // 6/12/2026 9:5:3

std::string Hex(uint64_t hash) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, hash);
    return text;
}

// "a float", "an int", "a Ped": the parameter as a fault names it.
std::string Article(const std::string& type) {
    const bool vowel = !type.empty() && std::strchr("aeiouAEIOU", type[0]);
    return (vowel ? "an " : "a ") + type;
}

} // namespace

Simulator::Simulator(Options options) : options_(std::move(options)) {
    gCurrent = this;
    // Keeps the exported host operations linked into every program that runs a simulator.
    static void* volatile anchor = kHostAnchor;
    (void)anchor;
    callArgs_.reserve(64);
    gameRandom_ = 0x9E3779B97F4A7C15ull ^ options_.seed;
    world_.frameMs = options_.frameMs;
    world_.player.ped = world_.spawn(EntityKind::Ped, 0, Vec3{}, 0);
    frameResets.push_back([](World& w) { w.events.advanceFrame(); });
    frameResets.push_back([](World& w) { w.screen.beginFrame(); });
    frameResets.push_back([](World& w) { w.controls.beginFrame(); });
    frameResets.push_back([](World& w) {
        w.prompts.beginFrame(w.frame);
        // The game shows the prompts of the ped the player targets.
        if (const int32_t target = w.developer.targetedEntity)
            w.prompts.activate(EntityPromptGroup(target), "", w.frame);
    });
    RegisterAllNatives(natives_);
}

Simulator::~Simulator() {
    for (Script* s : scripts_)
        if (s->flow && (s->unregistered || s->finished)) {
            DropFlow(s->flow);
            s->flow = nullptr;
        }
    if (gCurrent == this) gCurrent = nullptr;
}

Simulator* Simulator::current() {
    return gCurrent;
}

bool Simulator::attach(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::string file = PluginFileName(name);
        auto module = std::make_unique<PluginModule>();
        module->name = name;
        PluginModule* raw = module.get();
        modules_.push_back(std::move(module));
        trace("attach " + file);
        attaching_ = raw;
        const std::string error = LoadPlugin((fs::path(options_.pluginDir) / file).string(), *raw);
        attaching_ = nullptr;
        if (!error.empty()) {
            fault(error);
            return false;
        }
    }
    return true;
}

void Simulator::detachAll() {
    for (auto& module : modules_) {
        if (module->detached || !module->library) continue;
        trace("detach " + module->name);
        module->detached = true;
        UnloadPlugin(*module);
    }
}

void Simulator::restartGame() {
    std::vector<std::string> names;
    for (auto& module : modules_)
        names.push_back(module->name);
    detachAll();
    trace("the game restarts");
    // The old scripts stay blocked in their last wait, as a quit game's never run again.
    modules_.clear();
    scripts_.clear();
    keyboardHandlers_.clear();
    pendingKeys_.clear();
    world_ = NewGameWorld(world_);
    ++restarts_;
    attach(names);
}

void Simulator::runFrame() {
    ++world_.frame;
    world_.gameTimer += options_.frameMs;
    deliverKeys();
    for (auto& reset : frameResets)
        reset(world_);
    AdvanceWorld(*this);
    const std::vector<Script*> order = scripts_;
    for (Script* s : order) {
        if (s->finished || s->unregistered) continue;
        const bool due =
            !s->started || (world_.frame > s->waitFrame &&
                            world_.gameTimer - s->waitStart >= static_cast<int64_t>(s->waitMs));
        if (due) resume(*s);
    }
    tracePromptChanges();
    if (options_.trace && world_.frame % 100 == 0) trace("frame " + std::to_string(world_.frame));
    if (afterFrame) afterFrame();
}

void Simulator::runFrames(uint64_t n) {
    for (uint64_t i = 0; i < n; ++i)
        runFrame();
}

void Simulator::runSeconds(double seconds) {
    const int64_t until = world_.gameTimer + static_cast<int64_t>(seconds * 1000.0);
    while (world_.gameTimer < until)
        runFrame();
}

void Simulator::resume(Script& s) {
    running_ = &s;
    s.current = FrameFigures{};
    if (!s.started) {
        s.started = true;
        Script* script = &s;
        s.flow = NewScriptFlow([script] {
            BeginAllocationCount(&script->current.allocs);
            script->sliceStart = SliceClockNs();
            script->entry();
            script->current.cpuNs += SliceClockNs() - script->sliceStart;
            EndAllocationCount();
            script->finished = true;
        });
    }
    if (!ResumeFlow(s.flow)) {
        std::fprintf(stderr, "protocol fault: script %s did not yield for 60 s\n", s.name.c_str());
        std::fflush(nullptr);
        std::_Exit(2);
    }
    running_ = nullptr;
    ++s.frames;
    figures_.addFrame(s.name, s.current);
    if (s.finished) trace("script " + s.name + " finished");
}

void Simulator::deliverKeys() {
    for (uint32_t key : pendingKeys_) {
        for (KeyboardHandler handler : keyboardHandlers_) {
            handler(key, 1, 0, 0, 0, 0, 0); // down
            handler(key, 1, 0, 0, 0, 1, 1); // up
        }
    }
    pendingKeys_.clear();
}

// The timeline tells when a prompt came on screen or went, as it stood at the end of a
// frame (its group shown, for a grouped one): a script that hides and shows its prompts
// within a frame changes nothing on screen.
// A new prompt's default visibility is not news.
void Simulator::tracePromptChanges() {
    for (auto& [handle, p] : world_.prompts.all) {
        const bool onScreen = p.shownOnce && world_.prompts.onScreen(p, world_.frame);
        if (onScreen == p.tracedOnScreen) continue;
        p.tracedOnScreen = onScreen;
        trace(std::string(onScreen ? "prompt shown: " : "prompt hidden: ") + p.text);
    }
}

void Simulator::queueKey(uint32_t virtualKey) {
    pendingKeys_.push_back(virtualKey);
}

std::string Simulator::scriptName(size_t i) const {
    return scripts_.at(i)->name;
}
std::string Simulator::runningScript() const {
    return running_ ? running_->name : "";
}
uint64_t Simulator::scriptFrames(size_t i) const {
    return scripts_.at(i)->frames;
}
bool Simulator::scriptFinished(size_t i) const {
    return scripts_.at(i)->finished;
}
int32_t Simulator::scriptFrameOpenMs(size_t i) const {
    const Script& s = *scripts_.at(i);
    if (!s.started || s.finished || s.unregistered || !s.shallowestWait) return 0;
    return world_.gameTimer - s.frameEnd;
}

void Simulator::fault(const std::string& what) {
    faults_.push_back(what);
    std::fprintf(stderr, "protocol fault: %s\n", what.c_str());
}

void Simulator::trace(const std::string& what) {
    if (!options_.trace) return;
    std::printf("[frame %" PRIu64 " t=%d] %s\n", world_.frame, world_.gameTimer, what.c_str());
}

void Simulator::hostScriptRegister(void* module, void (*entry)()) {
    // A plug-in registers while it is being loaded (from DllMain on Windows) or later.
    PluginModule* m = attaching_;
    for (auto& candidate : modules_)
        if (!m && candidate->handle == module) m = candidate.get();
    auto script = std::make_unique<Script>();
    script->name = m ? m->name : "unknown";
    script->module = m;
    script->entry = entry;
    scripts_.push_back(script.get());
    trace("script registered: " + script->name);
    ScriptKeeper().push_back(std::move(script));
}

void Simulator::hostScriptUnregister(void* module) {
    for (Script* s : scripts_) {
        const void* owner = s->module ? s->module->handle : nullptr;
        if (owner != module || s->unregistered) continue;
        s->unregistered = true;
        trace("script unregistered: " + s->name);
    }
}

void Simulator::hostScriptWait(uint32_t ms) {
    Script* s = running_;
    if (!s) {
        fault("scriptWait called outside a script");
        return;
    }
    // A wait from deeper down the script's stack than its main loop's is one inside a frame.
    const auto depth = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
    if (depth >= s->shallowestWait) {
        s->shallowestWait = depth;
        s->frameEnd = world_.gameTimer;
    }
    s->waitStart = world_.gameTimer;
    s->waitMs = ms;
    s->waitFrame = world_.frame;
    s->current.cpuNs += SliceClockNs() - s->sliceStart;
    EndAllocationCount();
    YieldFlow(s->flow);
    BeginAllocationCount(&s->current.allocs);
    s->sliceStart = SliceClockNs();
}

void Simulator::hostKeyboardRegister(KeyboardHandler handler) {
    keyboardHandlers_.push_back(handler);
    trace("keyboard handler registered");
}

void Simulator::hostKeyboardUnregister(KeyboardHandler handler) {
    std::erase(keyboardHandlers_, handler);
    trace("keyboard handler unregistered");
}

void Simulator::hostNativeInit(uint64_t hash) {
    SimulatorAllocationScope scope;
    callHash_ = hash;
    callArgs_.clear();
}

void Simulator::hostNativePush(uint64_t slot) {
    SimulatorAllocationScope scope;
    callArgs_.push_back(slot);
}

uint64_t* Simulator::hostNativeCall() {
    SimulatorAllocationScope scope;
    const uint64_t start = SliceClockNs();
    callResult_ = NativeResult{};
    if (running_) ++running_->current.natives;
    figures_.countCall(callHash_, callArgs_.size());
    const NativeSpec* spec = natives_.find(callHash_);
    if (!spec) {
        fault("unknown native " + Hex(callHash_));
    } else if (spec->variadic ? callArgs_.size() < spec->argc : callArgs_.size() != spec->argc) {
        fault("native " + Hex(callHash_) + " " + spec->name + " takes " +
              std::to_string(spec->argc) + " arguments, " + std::to_string(callArgs_.size()) +
              " pushed");
    } else {
        for (size_t i = 0; i < spec->argc; ++i) {
            const std::string wrong = SlotFault(spec->slots[i], callArgs_[i]);
            if (!wrong.empty())
                fault("native " + Hex(callHash_) + " " + spec->name + " argument " +
                      std::to_string(i) + " is " + Article(spec->slotTypes[i]) + ", " + wrong);
        }
        const NativeArgs args{callArgs_.data(), callArgs_.size()};
        Call call{*this, world_, args, callResult_, spec->name.c_str()};
        spec->handler(call);
    }
    if (running_) running_->current.nativeNs += SliceClockNs() - start;
    return callResult_.slot;
}

uint32_t Simulator::tickCount() const {
    return kTickBase + static_cast<uint32_t>(world_.gameTimer);
}

int64_t Simulator::calendarTime() const {
    return kCalendarBase + world_.gameTimer / 1000;
}

void Simulator::localTime(int64_t calendar, std::tm* out) const {
    UtcTime(calendar, out);
}

void Simulator::seedRandom(uint32_t seed) {
    (running_ && running_->module ? running_->module->randomState : fallbackRandom_) = seed;
}

int Simulator::random() {
    uint32_t& state =
        running_ && running_->module ? running_->module->randomState : fallbackRandom_;
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fff);
}

uint32_t Simulator::nextRandom() {
    uint64_t z = (gameRandom_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

} // namespace sim
