#include "world/NewGame.h"

#include "World.h"

namespace sim {

World NewGameWorld(const World& old) {
    World w;
    w.gameTimer = old.gameTimer;
    w.frame = old.frame;
    w.frameMs = old.frameMs;
    w.clock = old.clock;
    w.wind = old.wind;
    w.rain = old.rain;
    w.nextHandle = old.nextHandle; // no handle of the old game comes back
    w.hashNames = old.hashNames;
    w.messages = old.messages;
    w.events.sent = old.events.sent;
    w.streaming.framesToLoad = old.streaming.framesToLoad;
    w.streaming.never = old.streaming.never;
    w.streaming.missing = old.streaming.missing;
    w.ground = old.ground;
    w.map.navmeshNever = old.map.navmeshNever;
    w.map.navmeshFrames = old.map.navmeshFrames;
    w.map.navmeshRadius = old.map.navmeshRadius;
    w.map.safeCoordsNever = old.map.safeCoordsNever;
    w.map.walls = old.map.walls;
    w.map.cliffs = old.map.cliffs;
    const Player& p = old.player;
    const Entity* ped = old.entity(p.ped);
    w.player.index = p.index;
    w.player.cashCents = p.cashCents;
    w.player.items = p.items;
    w.player.weapon = p.weapon;
    w.player.zone = p.zone;
    w.player.ped = w.spawn(EntityKind::Ped, ped ? ped->model : 0, ped ? ped->position : Vec3{},
                           ped ? ped->heading : 0);
    return w;
}

} // namespace sim
