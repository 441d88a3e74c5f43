// Expectations on the world: peds alive, messages shown.
#include "Hash.h"
#include "scenario/Commands.h"
#include "world/Geometry.h"

namespace sim {

void RegisterWorldExpectCommands(CommandRegistry& r) {
    // expect peds MODEL N: exactly N living peds of that model.
    r.add("expect peds", "MODEL N:count [near X:num Y:num Z:num R:num]",
          [](ScenarioRun& run, const Command& c) {
              const uint32_t model = GameHash(Arg(c, 2));
              const int64_t want = ArgInt(c, 3);
              const bool near = c.words.size() > 4;
              if (near && Arg(c, 4) != "near") Fail(c, "expect peds MODEL N [near X Y Z R]");
              const Vec3 at = near ? Vec3{ArgFloat(c, 5), ArgFloat(c, 6), ArgFloat(c, 7)} : Vec3{};
              const float radius = near ? ArgFloat(c, 8) : 0;
              int64_t alive = 0;
              for (const auto& [handle, e] : run.sim().world().entities)
                  if (e.kind == EntityKind::Ped && e.model == model && e.alive &&
                      (!near || Distance(e.position, at) <= radius))
                      ++alive;
              run.expect(c, alive == want, std::to_string(alive));
          });
    // expect message "TEXT" [COUNT]: shown at least once, or exactly COUNT times, so far.
    r.add("expect message", "TEXT [COUNT:count]", [](ScenarioRun& run, const Command& c) {
        int64_t shown = 0;
        for (const std::string& m : run.sim().world().messages)
            if (m == Arg(c, 2)) ++shown;
        const bool held = c.words.size() > 3 ? shown == ArgInt(c, 3) : shown > 0;
        run.expect(c, held, std::to_string(shown) + " times");
    });
}

} // namespace sim
