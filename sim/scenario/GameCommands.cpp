// The game as a whole: quitting and starting it again, and the rules of any play.
#include "chaos/Rules.h"
#include "scenario/Commands.h"

namespace sim {

void RegisterGameCommands(CommandRegistry& r) {
    // restart: the game is quit and started again in the same game folder; the plug-ins
    // detach and attach again into a new game's world.
    r.add("restart", "", [](ScenarioRun& run, const Command&) {
        run.ensureAttached();
        if (run.rules()) run.rules()->beforeRestart();
        run.sim().restartGame();
    });
    // rules on: the rules of any play hold after every frame from here on.
    r.add("rules", "on", [](ScenarioRun& run, const Command& c) { run.rulesOn(c); });
}

} // namespace sim
