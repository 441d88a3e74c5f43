// Expectations on the camp side's world: what the plug-ins still own, blips, pools, where
// the player is, the screen, doors, and each script's frame budget.
#include "Hash.h"
#include "scenario/Commands.h"
#include "world/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sim {

namespace {

// Entities a plug-in created and has neither released nor deleted.
int64_t Owned(const World& w, bool anyModel, uint32_t model) {
    int64_t n = 0;
    for (const auto& [handle, e] : w.entities) {
        if (!e.byPlugin || (!anyModel && e.model != model)) continue;
        auto s = w.entityStates.of.find(handle);
        if (s != w.entityStates.of.end() && s->second.released) continue;
        ++n;
    }
    return n;
}

void ExpectOnOff(ScenarioRun& run, const Command& c, bool actual) {
    const bool want = ArgOnOff(c, 2);
    run.expect(c, actual == want, actual ? "on" : "off");
}

} // namespace

void RegisterCampExpectCommands(CommandRegistry& r) {
    r.add("expect owned", "MODEL N:count", [](ScenarioRun& run, const Command& c) {
        const bool any = Arg(c, 2) == "all";
        const int64_t n = Owned(run.sim().world(), any, any ? 0 : ArgModel(run, c, 2));
        run.expect(c, n == ArgInt(c, 3), std::to_string(n));
    });
    r.add("expect blip", "NAME N:count", [](ScenarioRun& run, const Command& c) {
        int64_t n = 0;
        for (const auto& [handle, b] : run.sim().world().blips.all)
            n += b.name == Arg(c, 2);
        run.expect(c, n == ArgInt(c, 3), std::to_string(n));
    });
    r.add("expect blips", "N:count", [](ScenarioRun& run, const Command& c) {
        const int64_t n = static_cast<int64_t>(run.sim().world().blips.all.size());
        std::string names;
        for (const auto& [handle, b] : run.sim().world().blips.all)
            names += (names.empty() ? " (" : ", ") +
                     (b.name.empty() ? "#" + std::to_string(handle) : b.name);
        run.expect(c, n == ArgInt(c, 2), std::to_string(n) + (names.empty() ? "" : names + ")"));
    });
    r.add("expect pool", "sequences|itemsets|groups N:count",
          [](ScenarioRun& run, const Command& c) {
              const Pools& p = run.sim().world().pools;
              const std::string& which = Arg(c, 2);
              size_t n = 0;
              if (which == "sequences")
                  n = p.sequences.inUse.size();
              else if (which == "itemsets")
                  n = p.itemSets.inUse.size();
              else if (which == "groups")
                  n = p.groups.inUse.size();
              else
                  Fail(c, "expect pool sequences|itemsets|groups N");
              run.expect(c, int64_t(n) == ArgInt(c, 3), std::to_string(n) + " in use");
          });
    r.add("expect player", "near X:num Y:num Z:num R:num / pace MAX:num / pace free",
          [](ScenarioRun& run, const Command& c) {
              World& w = run.sim().world();
              if (Arg(c, 2) == "pace") {
                  // expect player pace MAX|free: the move blend ratio held during the last frame.
                  const float pace = w.pedTasks.paceLimit(w.player.ped, w.frame);
                  const std::string found = pace < 0 ? "free" : std::to_string(pace);
                  if (Arg(c, 3) == "free") return run.expect(c, pace < 0, found);
                  return run.expect(c, pace >= 0 && std::fabs(pace - ArgFloat(c, 3)) < 0.001f,
                                    found);
              }
              if (Arg(c, 2) != "near") Fail(c, "expect player near X Y Z R | pace MAX|free");
              const Entity* p = w.entity(w.player.ped);
              const Vec3 at{ArgFloat(c, 3), ArgFloat(c, 4), ArgFloat(c, 5)};
              const Vec3 where = p ? p->position : Vec3{};
              char found[96];
              std::snprintf(found, sizeof found, "(%.2f, %.2f, %.2f)", where.x, where.y, where.z);
              run.expect(c, p && Distance(where, at) <= ArgFloat(c, 6), found);
          });
    r.add("expect screen", "faded|clear", [](ScenarioRun& run, const Command& c) {
        const World& w = run.sim().world();
        const std::string& want = Arg(c, 2);
        const bool faded = w.effects.faded(w.gameTimer), clear = w.effects.clear(w.gameTimer);
        const std::string found = faded ? "faded" : clear ? "clear" : "fading";
        if (want != "faded" && want != "clear") Fail(c, "expect screen faded|clear");
        run.expect(c, found == want, found);
    });
    r.add("expect hud", "on|off", [](ScenarioRun& run, const Command& c) {
        ExpectOnOff(run, c, run.sim().world().effects.hud);
    });
    r.add("expect radar", "on|off", [](ScenarioRun& run, const Command& c) {
        ExpectOnOff(run, c, run.sim().world().effects.radar);
    });
    r.add("expect door", "HASH:int STATE:int", [](ScenarioRun& run, const Command& c) {
        const auto& doors = run.sim().world().map.doors;
        auto it = doors.find(static_cast<uint32_t>(ArgInt(c, 2)));
        const bool held = it != doors.end() && it->second == ArgInt(c, 3);
        run.expect(c, held,
                   it == doors.end() ? "never set" : "state " + std::to_string(it->second));
    });
    // expect budget SCRIPT natives|allocs MAX: every frame of SCRIPT in the window.
    r.add("expect budget", "SCRIPT natives|allocs MAX:count",
          [](ScenarioRun& run, const Command& c) {
              const std::string& script = Arg(c, 2);
              const std::string& figure = Arg(c, 3);
              if (figure != "natives" && figure != "allocs")
                  Fail(c, "expect budget SCRIPT natives|allocs MAX");
              const int64_t max = ArgInt(c, 4);
              const std::vector<FrameFigures>& frames = run.sim().figures().frames(script);
              auto from = run.budgetFrom.find(script);
              const size_t first = from != run.budgetFrom.end() ? from->second : 1;
              uint64_t worst = 0;
              size_t worstAt = 0;
              for (size_t i = first; i < frames.size(); ++i) {
                  const uint64_t v = figure == "natives" ? frames[i].natives : frames[i].allocs;
                  if (v > worst) worst = v, worstAt = i;
              }
              if (frames.size() <= first)
                  return run.expect(c, false, "no frame of " + script + " to check");
              run.expect(c, worst <= uint64_t(max),
                         std::to_string(worst) + " in the script's frame " +
                             std::to_string(worstAt + 1));
          });
    r.add("expect events", "NAME N:count", [](ScenarioRun& run, const Command& c) {
        const uint32_t id = GameHash(Arg(c, 2));
        int64_t n = 0;
        for (const SentEvent& e : run.sim().world().events.sent)
            n += e.sender != "scenario" && static_cast<uint32_t>(e.word(0)) == id;
        run.expect(c, n == ArgInt(c, 3), std::to_string(n) + " sent");
    });
}

} // namespace sim
