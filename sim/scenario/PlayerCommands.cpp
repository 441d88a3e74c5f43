// Setting the player up: place, weapon, life, combat, where a shot or throw lands.
#include "Hash.h"
#include "scenario/Commands.h"

namespace sim {

namespace {

Entity& PlayerEntity(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    Entity* e = w.entity(w.player.ped);
    if (!e) Fail(c, "the player has no ped");
    return *e;
}

float ArgFloat(const Command& c, size_t n) {
    return static_cast<float>(ArgNumber(c, n));
}

} // namespace

void RegisterPlayerCommands(CommandRegistry& r) {
    // player at X Y Z [HEADING]
    r.add("player at", [](ScenarioRun& run, const Command& c) {
        Entity& e = PlayerEntity(run, c);
        e.position = Vec3{ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)};
        if (c.words.size() > 5) e.heading = ArgFloat(c, 5);
    });
    // player weapon NAME: the player owns it and holds it.
    r.add("player weapon", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const uint32_t weapon = GameHash(Arg(c, 2));
        w.hashNames.emplace(weapon, Arg(c, 2));
        w.weapons.of[w.player.ped].ammo.emplace(weapon, 0);
        w.player.weapon = weapon;
    });
    r.add("player dead", [](ScenarioRun& run, const Command& c) {
        const bool dead = ArgOnOff(c, 2);
        run.sim().world().player.dead = dead;
        PlayerEntity(run, c).alive = !dead;
    });
    r.add("player combat", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.inCombat = ArgOnOff(c, 2);
    });
    // player impact X Y Z [FRAMES]: the game reports the player's last impact there during
    // the frame FRAMES frames from now (default 1: the next frame).
    r.add("player impact", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const int64_t delay = c.words.size() > 5 ? ArgInt(c, 5) : 1;
        if (delay < 1) Fail(c, "the impact comes at least one frame from now");
        w.weapons.impact = Vec3{ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)};
        w.weapons.impactFrame = w.frame + static_cast<uint64_t>(delay);
    });
}

} // namespace sim
