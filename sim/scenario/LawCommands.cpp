// The player among the town's lawmen and buildings: what he targets, the interior and map
// zone he stands in, and lawmen who watch for him.
#include "Hash.h"
#include "natives/Out.h"
#include "scenario/Commands.h"
#include "world/Geometry.h"

namespace sim {

namespace {
constexpr float kLawmanSight = 30.0f; // metres a lawman sees the player within
} // namespace

void RegisterLawCommands(CommandRegistry& r) {
    // player target MODEL|off: the player targets the nearest living ped of MODEL.
    r.add("player target", "MODEL", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        if (Arg(c, 2) == "off") {
            w.developer.targetedEntity = 0;
            return;
        }
        const Entity* player = w.entity(w.player.ped);
        if (!player) Fail(c, "the player has no ped");
        const int32_t ped = w.nearest(EntityKind::Ped, ArgModel(run, c, 2), player->position, true);
        if (!ped) Fail(c, "no living " + Arg(c, 2) + " to target");
        w.developer.targetedEntity = ped;
    });
    // player aim MODEL|off: the player, armed, aims at the nearest living ped of MODEL.
    r.add("player aim", "MODEL", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        if (Arg(c, 2) == "off") {
            w.developer.aimedEntity = 0;
            return;
        }
        const Entity* player = w.entity(w.player.ped);
        if (!player) Fail(c, "the player has no ped");
        const int32_t ped = w.nearest(EntityKind::Ped, ArgModel(run, c, 2), player->position, true);
        if (!ped) Fail(c, "no living " + Arg(c, 2) + " to aim at");
        w.developer.aimedEntity = ped;
    });
    // player interior N: the interior at the player's position (0 out of doors).
    r.add("player interior", "N:int", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.interior = static_cast<int32_t>(ArgInt(c, 2));
    });
    // player zone HASH|off: the map zone at the player's position.
    r.add("player zone", "off / HASH:int", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.zone =
            Arg(c, 2) == "off" ? 0u : static_cast<uint32_t>(ArgInt(c, 2));
    });
    // lawman X Y Z: a deputy stands there and sees the player within 30 m.
    r.add("lawman", "X:num Y:num Z:num", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const Vec3 at{ArgFloat(c, 1), ArgFloat(c, 2), ArgFloat(c, 3)};
        const uint32_t model = GameHash("s_m_m_ambientlawrural_01");
        w.hashNames.emplace(model, "s_m_m_ambientlawrural_01");
        const int32_t ped = w.spawn(EntityKind::Ped, model, at, 0);
        w.peds.state[ped].relationship = GameHash("REL_COP");
        w.peds.state[ped].seeingRange = kLawmanSight;
        run.sim().trace("lawman #" + std::to_string(ped) + " at " + Describe(at));
    });
}

} // namespace sim
