// Streaming: dictionaries that never load.
#include "scenario/Commands.h"

namespace sim {

void RegisterStreamingCommands(CommandRegistry& r) {
    r.add("stream", [](ScenarioRun& run, const Command& c) {
        if (Arg(c, 1) != "never")
            throw ScenarioError(c.file + ":" + std::to_string(c.line) + ": stream never NAME");
        run.sim().world().streaming.never.insert(Streaming::key(Arg(c, 2)));
    });
}

} // namespace sim
