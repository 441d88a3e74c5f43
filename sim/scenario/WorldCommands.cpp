// Driving the world: the player, prompts, controls, streaming.
#include "Hash.h"
#include "scenario/Commands.h"

namespace sim {

namespace {

[[noreturn]] void Bad(const Command& c, const std::string& what) {
    throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": " + what);
}

} // namespace

void RegisterWorldCommands(CommandRegistry& r) {
    r.add("player at", [](ScenarioRun& run, const Command& c) {
        run.ensureAttached();
        World& w = run.sim().world();
        Entity* ped = w.entity(w.player.ped);
        ped->position =
            Vec3{static_cast<float>(ArgNumber(c, 2)), static_cast<float>(ArgNumber(c, 3)),
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
    r.add("stream never", [](ScenarioRun& run, const Command& c) {
        run.sim().world().streaming.never.insert(Arg(c, 2));
    });
}

} // namespace sim
