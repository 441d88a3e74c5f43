// Streaming that fails: models and dictionaries that never load or do not exist.
#include "Hash.h"
#include "scenario/Commands.h"

namespace sim {

void RegisterStreamCommands(CommandRegistry& r) {
    // stream never NAME: that model, prop set or dictionary never loads.
    r.add("stream never", "NAME", [](ScenarioRun& run, const Command& c) {
        run.sim().world().streaming.never.insert(GameHash(Arg(c, 2)));
    });
    // stream on NAME: it loads again as any other; one asked for long enough ago is in.
    r.add("stream on", "NAME", [](ScenarioRun& run, const Command& c) {
        run.sim().world().streaming.never.erase(GameHash(Arg(c, 2)));
    });
    // stream missing NAME: the game has no animation dictionary of that name.
    r.add("stream missing", "NAME", [](ScenarioRun& run, const Command& c) {
        run.sim().world().streaming.missing.insert(GameHash(Arg(c, 2)));
    });
}

} // namespace sim
