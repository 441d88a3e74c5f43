// The navigation mesh, loading around the player and around the regions scripts ask for.
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

void RegisterNavmeshNatives(NativeTable& t) {
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

} // namespace sim
