// The ground under points, safe places to stand, and map zones.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"
#include "world/Geometry.h"

namespace sim {

void RegisterGroundNatives(NativeTable& t) {
    t.add(0x24fa4267bb8d2431, "GET_GROUND_Z_FOR_3D_COORD", "float,float,float,float*,BOOL",
          [](Call& c) {
              const float ground = c.w.ground.at(c.f(0), c.f(1));
              const bool above = c.f(2) >= ground;
              if (float* out = c.p<float>(3)) WriteFloat(out, above ? ground : 0.0f);
              c.r.setBool(above);
          });
    t.add(0x43ad8fc02b429d33, "_GET_MAP_ZONE_AT_COORDS", "float,float,float,int",
          [](Call& c) {
              // A zone a scenario put where the player stands wins over the map's.
              const Entity* player = c.w.entity(c.w.player.ped);
              if (c.w.player.zone != 0 && player && Distance(player->position, c.vec(0)) < 1.0f)
                  return c.r.setU32(c.w.player.zone);
              c.r.setU32(c.w.ground.zoneAt(c.vec(0), c.i(3)));
          });
    // Open ground: every point is safe, on the ground, unless a scenario says never; off the
    // ground a cliff's ledge may be offered.
    t.add(0xb61c8e878a4199ca, "GET_SAFE_COORD_FOR_PED", "float,float,float,BOOL,Vector3*,int",
          [](Call& c) {
              if (c.w.map.safeCoordsNever) return c.r.setBool(false);
              float z = c.w.ground.at(c.f(0), c.f(1));
              if (!c.b(3))
                  for (const Cliff& cliff : c.w.map.cliffs)
                      if (cliff.holds(c.f(0), c.f(1))) z += cliff.height;
              if (void* out = c.p<void>(4)) WriteVector(out, Vec3{c.f(0), c.f(1), z});
              c.r.setBool(true);
          });
}

} // namespace sim
