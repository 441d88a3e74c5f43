// The map around the player: the navigation mesh loading around points, doors, interiors.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "world/Geometry.h"

namespace sim {

namespace {

// Loaded around the player, and around every region asked for once it has had time to load.
bool NavmeshLoaded(const World& w, const Vec3& centre) {
    if (w.map.navmeshNever) return false;
    const Entity* player = w.entity(w.player.ped);
    if (player && Distance(player->position, centre) <= w.map.navmeshRadius) return true;
    for (const NavRegion& r : w.map.navRegions)
        if (w.frame >= r.frame + w.map.navmeshFrames &&
            Distance(r.centre, centre) <= w.map.navmeshRadius)
            return true;
    return false;
}

} // namespace

void RegisterNavigationNatives(NativeTable& t) {
    t.add(0x387ead7ee42f6685, "ADD_NAVMESH_REQUIRED_REGION", "float,float,float", [](Call& c) {
        c.w.map.navRegions.push_back(NavRegion{c.vec(0), c.w.frame});
        c.trace("navmesh region asked for at " + Describe(c.vec(0)));
    });
    t.add(0xf813c7e63f9062a5, "IS_NAVMESH_LOADED_IN_AREA", "float,float,float,float,float,float",
          [](Call& c) {
              const Vec3 a = c.vec(0), b = c.vec(3);
              const Vec3 centre{(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2};
              c.r.setBool(NavmeshLoaded(c.w, centre));
          });
}

void RegisterDoorNatives(NativeTable& t) {
    t.add(0x6bab9442830c7f53, "DOOR_SYSTEM_SET_DOOR_STATE", "Hash,int", [](Call& c) {
        c.w.map.doors[c.u(0)] = c.i(1);
        c.trace("door " + NameOf(c.w, c.u(0)) + " state " + std::to_string(c.i(1)));
    });
    // Only the player goes indoors here, where a scenario puts him.
    t.add(0xb417689857646f61, "GET_INTERIOR_FROM_ENTITY", "Entity", [](Call& c) {
        c.entity(0);
        c.r.setInt(c.i(0) == c.w.player.ped && c.i(0) != 0 ? c.w.player.interior : 0);
    });
}

} // namespace sim
