// The game's random draws a story must not leave to chance.
#include "scenario/Commands.h"

namespace sim {

void RegisterRandomCommands(CommandRegistry& r) {
    // random MIN MAX VALUE: the next draw of a random integer over [MIN, MAX) answers VALUE;
    // given again, the draws after it answer in turn. Other ranges draw as before.
    r.add("random", "MIN:int MAX:int VALUE:int", [](ScenarioRun& run, const Command& c) {
        const int64_t lo = ArgInt(c, 1), hi = ArgInt(c, 2), value = ArgInt(c, 3);
        if (lo > INT32_MAX || hi > INT32_MAX || value < lo || value >= hi)
            Fail(c, "random MIN MAX VALUE (MIN <= VALUE < MAX)");
        Draws& draws = run.sim().world().draws;
        draws.fixed[{static_cast<int32_t>(lo), static_cast<int32_t>(hi)}].push_back(
            static_cast<int32_t>(value));
    });
}

} // namespace sim
