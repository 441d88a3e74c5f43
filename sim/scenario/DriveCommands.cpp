// Running frames and pressing keys.
#include "scenario/Commands.h"

#include <cstdio>

namespace sim {

namespace {

// until EXPECTATION [within SECONDS]: frames run until the expectation (an expect line,
// with or without its word "expect") holds; it fails after SECONDS of game time (60).
void Until(ScenarioRun& run, const Command& c) {
    double limit = 0;
    const Command inner = UntilExpectation(c, limit);
    size_t consumed = 0;
    const CommandHandler* handler =
        inner.words.size() >= 2 ? run.commands().find(inner, consumed) : nullptr;
    if (!handler || consumed != 2) Fail(c, "until needs an expectation, found: " + c.text());
    run.ensureAttached();
    World& w = run.sim().world();
    const int64_t start = w.gameTimer;
    const int64_t end = start + static_cast<int64_t>(limit * 1000.0);
    std::string found;
    while (!run.probe(*handler, inner, found)) {
        if (w.gameTimer >= end || !run.sim().faults().empty()) {
            char waited[64];
            std::snprintf(waited, sizeof waited, " (after %.1f s)", (w.gameTimer - start) / 1000.0);
            return run.expect(c, false, (found.empty() ? "not yet" : found) + waited);
        }
        run.runFrames(1);
    }
    run.expect(c, true);
}

} // namespace

void RegisterDriveCommands(CommandRegistry& r) {
    r.add("frames", "N:count", [](ScenarioRun& run, const Command& c) {
        const int64_t n = ArgInt(c, 1);
        if (n < 0) Fail(c, "negative frames");
        run.runFrames(static_cast<uint64_t>(n));
    });
    r.add("seconds", "S:num",
          [](ScenarioRun& run, const Command& c) { run.runSeconds(ArgNumber(c, 1)); });
    r.add("key", "NAME:key", [](ScenarioRun& run, const Command& c) {
        const uint32_t code = KeyCode(Arg(c, 1));
        if (code > 0xFFFF) Fail(c, "unknown key " + Arg(c, 1));
        run.ensureAttached();
        run.sim().queueKey(code);
    });
    r.add("until", "EXPECTATION [within SECONDS:num]", Until);
}

} // namespace sim
