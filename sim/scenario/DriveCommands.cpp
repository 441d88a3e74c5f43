// Running frames and pressing keys.
#include "scenario/Commands.h"

namespace sim {

void RegisterDriveCommands(CommandRegistry& r) {
    r.add("frames", [](ScenarioRun& run, const Command& c) {
        const int64_t n = ArgInt(c, 1);
        if (n < 0) Fail(c, "negative frames");
        run.runFrames(static_cast<uint64_t>(n));
    });
    r.add("seconds", [](ScenarioRun& run, const Command& c) { run.runSeconds(ArgNumber(c, 1)); });
    r.add("key", [](ScenarioRun& run, const Command& c) {
        const uint32_t code = KeyCode(Arg(c, 1));
        if (code > 0xFFFF) Fail(c, "unknown key " + Arg(c, 1));
        run.ensureAttached();
        run.sim().queueKey(code);
    });
}

} // namespace sim
