// Driving the camp side's world: the player's horse, noise, seat and moves, peds placed,
// enemies, deaths, destruction, explosions, walls, the navigation mesh and safe places.
#include "Hash.h"
#include "natives/Out.h"
#include "scenario/Commands.h"
#include "world/Geometry.h"
#include "world/Lifecycle.h"

#include <cstring>

namespace sim {

namespace {

constexpr float kSeatReach = 30.0f; // how far `player seat` looks for the vehicle

Entity& PlayerPed(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    Entity* e = w.entity(w.player.ped);
    if (!e) Fail(c, "the player has no ped");
    return *e;
}

// The player and the vehicle they sit in go to a point together.
void MovePlayerTo(ScenarioRun& run, const Command& c, const Vec3& to) {
    World& w = run.sim().world();
    Entity& player = PlayerPed(run, c);
    if (const int32_t v = w.vehicles.seatOf(w.player.ped))
        if (Entity* ve = w.entity(v)) ve->position = to;
    // His horse goes with him, and whoever else sits on it.
    if (const int32_t horse = w.peds.state[w.player.ped].mount) {
        if (Entity* he = w.entity(horse)) he->position = to;
        for (const auto& [ped, state] : w.peds.state)
            if (state.mount == horse)
                if (Entity* rider = w.entity(ped)) rider->position = to;
    }
    player.position = to;
}

Vec3 BlipPoint(const World& w, const Blip& b) {
    if (b.kind != BlipKind::Entity) return b.point;
    const Entity* e = w.entity(b.entity);
    return e ? e->position : b.point;
}

int32_t NearestTo(ScenarioRun& run, const Command& c, EntityKind kind, size_t modelArg) {
    World& w = run.sim().world();
    return w.nearest(kind, ArgModel(run, c, modelArg), PlayerPed(run, c).position,
                     kind == EntityKind::Ped);
}

void PlayerSeat(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    Simulator& sim = run.sim();
    if (Arg(c, 2) == "off") {
        if (const int32_t v = w.vehicles.seatOf(w.player.ped)) {
            w.vehicles.unseat(w.player.ped);
            sim.trace("the player gets off vehicle #" + std::to_string(v));
        }
        return;
    }
    const int32_t v = NearestTo(run, c, EntityKind::Vehicle, 2);
    const Entity* ve = w.entity(v);
    if (!ve || Distance(ve->position, PlayerPed(run, c).position) > kSeatReach)
        Fail(c, "no " + Arg(c, 2) + " within " + std::to_string(int(kSeatReach)) + " m");
    if (!SeatPed(sim, w.player.ped, v, -1)) Fail(c, "no free seat in " + Arg(c, 2));
}

void PlayerToBlip(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    const std::string& which = Arg(c, 2);
    const float shortBy = c.words.size() > 3 ? ArgFloat(c, 3) : 0;
    const Blip* found = nullptr;
    const bool bySprite = which.rfind("sprite:", 0) == 0;
    uint32_t sprite = 0;
    if (bySprite) {
        Command spriteArg = c;
        spriteArg.words[2] = which.substr(7);
        sprite = static_cast<uint32_t>(ArgInt(spriteArg, 2));
    }
    for (const auto& [handle, b] : w.blips.all)
        if (bySprite ? b.sprite == sprite : b.name == which) found = &b;
    if (!found) Fail(c, "no blip " + which);
    const Vec3 target = BlipPoint(w, *found);
    const Vec3 from = PlayerPed(run, c).position;
    const float d = Distance(from, target);
    Vec3 to = target;
    if (d > shortBy && d > 0) {
        const float k = (d - shortBy) / d;
        to = Vec3{from.x + (target.x - from.x) * k, from.y + (target.y - from.y) * k,
                  from.z + (target.z - from.z) * k};
    } else {
        to = from;
    }
    MovePlayerTo(run, c, to);
    run.sim().trace("the player goes to blip " + which + ": " + Describe(to));
}

// The nearest entity of the model, whatever its kind.
int32_t NearestEntity(ScenarioRun& run, const Command& c, size_t modelArg, Vec3 from) {
    World& w = run.sim().world();
    const uint32_t model = ArgModel(run, c, modelArg);
    int32_t best = 0;
    float bestD = 0;
    for (const EntityKind kind : {EntityKind::Object, EntityKind::Vehicle, EntityKind::Ped}) {
        const int32_t h = w.nearest(kind, model, from, false);
        if (!h) continue;
        const float d = Distance(w.entities.at(h).position, from);
        if (!best || d < bestD) best = h, bestD = d;
    }
    if (!best) Fail(c, "no entity " + Arg(c, modelArg));
    return best;
}

void PlayerToEntity(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    const int32_t target = NearestEntity(run, c, 2, PlayerPed(run, c).position);
    const float dist = c.words.size() > 3 ? ArgFloat(c, 3) : 0.5f;
    const Entity& e = w.entities.at(target);
    const Vec3 f = Forward(e.heading);
    MovePlayerTo(run, c, Vec3{e.position.x + f.x * dist, e.position.y + f.y * dist, e.position.z});
    PlayerPed(run, c).heading = std::fmod(e.heading + 180.0f, 360.0f);
}

void Kill(ScenarioRun& run, const Command& c) {
    World& w = run.sim().world();
    const uint32_t model = ArgModel(run, c, 1);
    bool all = false, near = false;
    Vec3 centre;
    float radius = 0;
    for (size_t n = 2; n < c.words.size(); ++n) {
        if (c.words[n] == "all") {
            all = true;
        } else if (c.words[n] == "near") {
            centre = Vec3{ArgFloat(c, n + 1), ArgFloat(c, n + 2), ArgFloat(c, n + 3)};
            radius = ArgFloat(c, n + 4);
            near = true;
            n += 4;
        } else {
            Fail(c, "kill MODEL [all] [near X Y Z R]");
        }
    }
    const Vec3 from = near ? centre : PlayerPed(run, c).position;
    std::vector<int32_t> victims;
    for (const auto& [handle, e] : w.entities) {
        if (e.kind != EntityKind::Ped || e.model != model || !e.alive) continue;
        if (near && Distance(e.position, centre) > radius) continue;
        victims.push_back(handle);
    }
    if (!all && !victims.empty()) {
        std::sort(victims.begin(), victims.end(), [&](int32_t a, int32_t b) {
            return Distance(w.entities.at(a).position, from) <
                   Distance(w.entities.at(b).position, from);
        });
        victims.resize(1);
    }
    if (victims.empty()) Fail(c, "no living " + Arg(c, 1) + " to kill");
    for (int32_t v : victims)
        KillEntity(run.sim(), v, "killed by the scenario");
}

void Explode(ScenarioRun& run, const Command& c, const Vec3& at, size_t weaponArg) {
    World& w = run.sim().world();
    const bool given = c.words.size() > weaponArg;
    const std::string name = given ? Arg(c, weaponArg) : "hash:WEAPON_THROWN_DYNAMITE";
    const uint32_t weapon =
        given ? static_cast<uint32_t>(ArgInt(c, weaponArg)) : GameHash("WEAPON_THROWN_DYNAMITE");
    if (name.rfind("hash:", 0) == 0) w.hashNames.emplace(weapon, name.substr(5));
    auto bits = [](float f) {
        uint32_t u;
        std::memcpy(&u, &f, sizeof u);
        return uint64_t{u};
    };
    QueuedEvent e{
        GameHash("EVENT_ENTITY_EXPLOSION"),
        {static_cast<uint32_t>(w.player.ped), 0, weapon, bits(at.x), bits(at.y), bits(at.z)}};
    w.events.post(0, std::move(e));
    run.sim().trace("explosion at " + Describe(at) + " (" + NameOf(w, weapon) + ")");
}

} // namespace

void RegisterCampCommands(CommandRegistry& r) {
    r.add("player horse", "on|off", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        if (!ArgOnOff(c, 2)) {
            if (w.player.horse) RemoveEntity(run.sim(), w.player.horse);
            w.player.horse = 0;
            return;
        }
        if (w.player.horse && w.entity(w.player.horse)) return;
        const Entity& p = PlayerPed(run, c);
        const Vec3 side = Forward(p.heading + 90);
        const uint32_t model = GameHash("A_C_Horse_TennesseeWalker_DappleBay");
        w.player.horse = w.spawn(
            EntityKind::Ped, model,
            Vec3{p.position.x + side.x * 2, p.position.y + side.y * 2, p.position.z}, p.heading);
        w.peds.state[w.player.horse].human = false;
    });
    // player ride on|off: the player sits on his saddle horse (see player horse), or gets down.
    r.add("player ride", "on|off", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        Entity& p = PlayerPed(run, c);
        if (!ArgOnOff(c, 2)) {
            w.peds.state[w.player.ped].mount = 0;
            return;
        }
        const Entity* horse = w.entity(w.player.horse);
        if (!horse || !horse->alive) Fail(c, "the player has no living horse to ride");
        w.peds.state[w.player.ped].mount = w.player.horse;
        p.position = horse->position;
    });
    r.add("player noise", "N:num", [](ScenarioRun& run, const Command& c) {
        run.sim().world().perception.playerNoise = ArgFloat(c, 2);
    });
    r.add("player crouch", "on|off", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.crouching = ArgOnOff(c, 2);
    });
    r.add("player wanted", "on|off", [](ScenarioRun& run, const Command& c) {
        run.sim().world().player.wanted = ArgOnOff(c, 2);
    });
    // player wanted-score N: what the law's bounty on the player has run up to.
    r.add("player wanted-score", "N:int", [](ScenarioRun& run, const Command& c) {
        run.sim().world().law.wantedScore = static_cast<int32_t>(ArgInt(c, 2));
    });
    // expect riders MODEL N: N living peds of MODEL sit on a mount.
    r.add("expect riders", "MODEL N:count", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const uint32_t model = ArgModel(run, c, 2);
        int64_t n = 0;
        for (const auto& [ped, state] : w.peds.state) {
            const Entity* e = w.entity(ped);
            if (state.mount != 0 && e && e->alive && e->model == model) ++n;
        }
        run.expect(c, n == ArgInt(c, 3), std::to_string(n));
    });
    r.add("expect wanted-score", "N:int", [](ScenarioRun& run, const Command& c) {
        const int32_t score = run.sim().world().law.wantedScore;
        run.expect(c, score == ArgInt(c, 2), std::to_string(score));
    });
    r.add("player seat", "off / MODEL", PlayerSeat);
    r.add("player to-blip", "NAME [SHORT:num]", PlayerToBlip);
    r.add("player to-entity", "MODEL [DIST:num]", PlayerToEntity);
    r.add("player move", "DX:num DY:num DZ:num", [](ScenarioRun& run, const Command& c) {
        const Vec3 p = PlayerPed(run, c).position;
        MovePlayerTo(run, c,
                     Vec3{p.x + ArgFloat(c, 2), p.y + ArgFloat(c, 3), p.z + ArgFloat(c, 4)});
    });
    r.add("player interrupt", "", [](ScenarioRun& run, const Command&) {
        EndTasks(run.sim(), run.sim().world().player.ped, "interrupted");
    });
    // ped MODEL at X Y Z
    r.add("ped", "MODEL at X:num Y:num Z:num", [](ScenarioRun& run, const Command& c) {
        if (Arg(c, 2) != "at") Fail(c, "ped MODEL at X Y Z");
        const Vec3 to{ArgFloat(c, 3), ArgFloat(c, 4), ArgFloat(c, 5)};
        const int32_t ped =
            run.sim().world().nearest(EntityKind::Ped, ArgModel(run, c, 1), to, true);
        if (!ped) Fail(c, "no living " + Arg(c, 1));
        run.sim().world().entities.at(ped).position = to;
        run.sim().world().vehicles.unseat(ped);
    });
    r.add("enemy", "MODEL X:num Y:num Z:num", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const Vec3 at{ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)};
        const int32_t ped = w.spawn(EntityKind::Ped, ArgModel(run, c, 1), at,
                                    HeadingTowards(at, PlayerPed(run, c).position));
        w.peds.state[ped].relationship = GameHash("REL_CRIMINALS");
        const uint32_t gun = GameHash("WEAPON_REVOLVER_CATTLEMAN");
        w.hashNames.emplace(gun, "WEAPON_REVOLVER_CATTLEMAN");
        w.weapons.of[ped].ammo[gun] = 60;
        w.weapons.of[ped].current = gun;
        TaskStep fight;
        fight.kind = TaskKind::Combat;
        fight.scriptTask = GameHash("SCRIPT_TASK_COMBAT");
        fight.entity = w.player.ped;
        w.pedTasks.of[ped].direct = fight;
        run.sim().trace("enemy " + Arg(c, 1) + " #" + std::to_string(ped) + " at " + Describe(at) +
                        " fights the player");
    });
    r.add("kill", "MODEL [all] [near X:num Y:num Z:num R:num]", Kill);
    r.add("destroy", "MODEL", [](ScenarioRun& run, const Command& c) {
        World& w = run.sim().world();
        const Vec3 from = PlayerPed(run, c).position;
        const uint32_t model = ArgModel(run, c, 1);
        int32_t target = w.nearest(EntityKind::Vehicle, model, from, true);
        if (!target) target = w.nearest(EntityKind::Object, model, from, true);
        if (!target) Fail(c, "no " + Arg(c, 1) + " to destroy");
        KillEntity(run.sim(), target, "destroyed by the scenario");
    });
    r.add("explode", "X:num Y:num Z:num [WEAPON:int]", [](ScenarioRun& run, const Command& c) {
        Explode(run, c, Vec3{ArgFloat(c, 1), ArgFloat(c, 2), ArgFloat(c, 3)}, 4);
    });
    r.add("explode at", "MODEL [WEAPON:int]", [](ScenarioRun& run, const Command& c) {
        const int32_t target = NearestEntity(run, c, 2, PlayerPed(run, c).position);
        Explode(run, c, run.sim().world().entities.at(target).position, 3);
    });
    r.add("wall", "X1:num Y1:num X2:num Y2:num", [](ScenarioRun& run, const Command& c) {
        run.sim().world().map.walls.push_back(
            Wall{ArgFloat(c, 1), ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4)});
    });
    // Flat ground at that height instead of the game's: where loose props settle and ground
    // searches land.
    r.add("ground", "Z:num", [](ScenarioRun& run, const Command& c) {
        run.sim().world().ground.flat = ArgFloat(c, 1);
    });
    r.add("navmesh", "never|on", [](ScenarioRun& run, const Command& c) {
        const std::string& mode = Arg(c, 1);
        if (mode != "never" && mode != "on") Fail(c, "navmesh never|on");
        run.sim().world().map.navmeshNever = mode == "never";
    });
    r.add("safe-coords", "never|on", [](ScenarioRun& run, const Command& c) {
        const std::string& mode = Arg(c, 1);
        if (mode != "never" && mode != "on") Fail(c, "safe-coords never|on");
        run.sim().world().map.safeCoordsNever = mode == "never";
    });
    // cliff X Y INNER OUTER HEIGHT: ledges HEIGHT m above the ground in that ring.
    r.add("cliff", "X:num Y:num INNER:num OUTER:num HEIGHT:num",
          [](ScenarioRun& run, const Command& c) {
              const Cliff cliff{ArgFloat(c, 1), ArgFloat(c, 2), ArgFloat(c, 3), ArgFloat(c, 4),
                                ArgFloat(c, 5)};
              if (cliff.inner < 0 || cliff.outer < cliff.inner || cliff.height <= 0)
                  Fail(c, "cliff X Y INNER OUTER HEIGHT (0 <= INNER <= OUTER, HEIGHT > 0)");
              run.sim().world().map.cliffs.push_back(cliff);
          });
    r.add("clock", "HOUR:count", [](ScenarioRun& run, const Command& c) {
        const int64_t hour = ArgInt(c, 1);
        if (hour < 0 || hour > 23) Fail(c, "clock HOUR (0 to 23)");
        World& w = run.sim().world();
        w.clock.setHour(static_cast<int>(hour), w.gameTimer);
    });
    r.add("weather", "WIND:num RAIN:num", [](ScenarioRun& run, const Command& c) {
        run.sim().world().wind = ArgFloat(c, 1);
        run.sim().world().rain = ArgFloat(c, 2);
    });
    r.add("mark", "", [](ScenarioRun& run, const Command&) {
        Simulator& sim = run.sim();
        for (size_t i = 0; i < sim.scriptCount(); ++i)
            run.budgetFrom[sim.scriptName(i)] = sim.figures().frames(sim.scriptName(i)).size();
    });
}

} // namespace sim
