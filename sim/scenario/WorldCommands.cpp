// Driving the world: the player, prompts, controls, script events from other scripts,
// streaming.
#include "Hash.h"
#include "scenario/Commands.h"

#include <cstring>

namespace sim {

namespace {

[[noreturn]] void Bad(const Command& c, const std::string& what) {
    throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": " + what);
}

// Words packed 4 bytes apart into slots, as the plug-ins pack them.
std::vector<uint64_t> Pack(const std::vector<int32_t>& words) {
    std::vector<uint64_t> data(words.size(), 0);
    std::memcpy(data.data(), words.data(), words.size() * sizeof(int32_t));
    return data;
}

void Send(ScenarioRun& run, std::vector<int32_t> words) {
    run.ensureAttached();
    ScriptEvent e;
    e.type = GameHash("EVENT_NETWORK_SCRIPT_EVENT");
    e.data = Pack(words);
    e.sender = "scenario";
    e.frame = run.sim().world().frame;
    run.sim().world().scriptEvents.pending.push_back(std::move(e));
}

} // namespace

void RegisterWorldCommands(CommandRegistry& r) {
    r.add("player at", [](ScenarioRun& run, const Command& c) {
        run.ensureAttached();
        World& w = run.sim().world();
        Entity* ped = w.entity(w.player.ped);
        ped->position = Vec3{static_cast<float>(ArgNumber(c, 2)), static_cast<float>(ArgNumber(c, 3)),
                             static_cast<float>(ArgNumber(c, 4))};
        if (c.words.size() > 5) ped->heading = static_cast<float>(ArgNumber(c, 5));
    });
    r.add("player cash", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.cashCents = ArgInt(c, 2);
    });
    r.add("player item", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.items[GameHash(Arg(c, 2))] = static_cast<int32_t>(ArgInt(c, 3));
    });
    r.add("player combat", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.inCombat = ArgOnOff(c, 2);
    });
    r.add("prompt", [](ScenarioRun& run, const Command& c) {
        run.ensureAttached();
        World& w = run.sim().world();
        Prompt* p = w.prompts.offered(Arg(c, 1));
        if (!p) Bad(c, "no visible, enabled prompt shows \"" + Arg(c, 1) + "\"");
        p->usedInFrame = w.frame + 1;
    });
    r.add("control", [](ScenarioRun& run, const Command& c) {
        run.ensureAttached();
        run.sim().world().controls.pressNextFrame.insert(GameHash(Arg(c, 1)));
    });
    r.add("event", [](ScenarioRun& run, const Command& c) {
        std::vector<int32_t> words{static_cast<int32_t>(GameHash(Arg(c, 1)))};
        for (size_t i = 2; i < c.words.size(); ++i) words.push_back(static_cast<int32_t>(ArgInt(c, i)));
        Send(run, std::move(words));
    });
    r.add("event-raw", [](ScenarioRun& run, const Command& c) {
        const int64_t size = ArgInt(c, 1);
        if (size <= 0 || size > 1000) Bad(c, "event-raw SIZE must be 1 to 1000");
        std::vector<int32_t> words(static_cast<size_t>(size), 0);
        for (size_t i = 2; i < c.words.size() && i - 2 < words.size(); ++i)
            words[i - 2] = static_cast<int32_t>(ArgInt(c, i));
        Send(run, std::move(words));
    });
    r.add("stream never", [](ScenarioRun& run, const Command& c) {
        run.sim().world().streaming.never.insert(Arg(c, 2));
    });
}

} // namespace sim
