// Setting the player up: place, weapon, life, combat, driving, where a shot or throw lands.
#include "Hash.h"
#include "scenario/Commands.h"
#include "world/Lifecycle.h"

namespace sim {

namespace {

Entity& PlayerEntity(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    Entity* e = w.entity(w.player.ped);
    if (!e) Fail(c, "the player has no ped");
    return *e;
}

} // namespace

void RegisterPlayerCommands(CommandRegistry& r) {
    // player at X Y Z [HEADING]
    r.add("player at", "X:num Y:num Z:num [HEADING:num]", [](ScenarioRun& run, const Command& c) {
        Entity& e = PlayerEntity(run, c);
        e.position = Vec3{ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)};
        if (c.words.size() > 5) e.heading = ArgFloat(c, 5);
    });
    // player weapon NAME: the player owns it and holds it.
    r.add("player weapon", "NAME", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const uint32_t weapon = GameHash(Arg(c, 2));
        w.hashNames.emplace(weapon, Arg(c, 2));
        w.weapons.of[w.player.ped].ammo.emplace(weapon, 0);
        w.player.weapon = weapon;
    });
    r.add("player dead", "on|off", [](ScenarioRun& run, const Command& c) {
        const bool dead = ArgOnOff(c, 2);
        if (dead) KillEntity(run.sim(), run.sim().world().player.ped, "the scenario says so");
        run.sim().world().player.dead = dead;
        PlayerEntity(run, c).alive = !dead;
    });
    // player drive SPEED: the vehicle whose reins the player holds goes forward at SPEED m/s
    // along its heading; 0 pulls it up. It lasts while he sits in the driver's seat.
    r.add("player drive", "SPEED:num", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const float speed = ArgFloat(c, 2);
        if (!(speed >= 0)) Fail(c, "the speed is 0 or more m/s");
        int32_t seat = 0;
        const int32_t vehicle = w.vehicles.seatOf(w.player.ped, &seat);
        if (!vehicle || seat != -1) Fail(c, "the player is not in a driver's seat");
        w.player.driveSpeed = speed;
        run.sim().trace("the player drives #" + std::to_string(vehicle) + " at " + Arg(c, 2) +
                        " m/s");
    });
    r.add("player combat", "on|off", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.inCombat = ArgOnOff(c, 2);
    });
    r.add("player arrested", "on|off", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.arrested = ArgOnOff(c, 2);
    });
    // player impact X Y Z [FRAMES]: the game reports the player's last impact there during
    // the frame FRAMES frames from now (default 1: the next frame).
    r.add("player impact", "X:num Y:num Z:num [FRAMES:count]",
          [](ScenarioRun& run, const Command& c) {
              World& w = run.sim().world();
              const int64_t delay = c.words.size() > 5 ? ArgInt(c, 5) : 1;
              if (delay < 1) Fail(c, "the impact comes at least one frame from now");
              w.weapons.impact = Vec3{ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)};
              w.weapons.impactFrame = w.frame + static_cast<uint64_t>(delay);
              // The player uses his weapon in the next frame. A thrown one lands without a shot's
              // bang; a shot is heard around the player and whizzes by those near where it lands.
              w.player.shootingFrame = w.frame + 1;
              auto name = w.hashNames.find(w.player.weapon);
              if (name != w.hashNames.end() && name->second.rfind("WEAPON_THROWN_", 0) == 0) return;
              if (const Entity* p = w.entity(w.player.ped))
                  NoticeAround(run.sim(), p->position, 100.0f, GameHash("EVENT_SHOT_FIRED"),
                               w.player.ped);
              NoticeAround(run.sim(), w.weapons.impact, 5.0f,
                           GameHash("EVENT_SHOT_FIRED_WHIZZED_BY"), w.player.ped);
          });
}

} // namespace sim
