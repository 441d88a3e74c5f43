#include "core/natives/Ground.h"
#include "core/natives/Native.h"

#include "core/natives/Entity.h"
#include "core/natives/OutSlot.h"
#include "core/natives/Random.h"

#include <cmath>

namespace corvale {

namespace {
constexpr native::Native kGetGroundZFor3dCoord{0x24fa4267bb8d2431, "GET_GROUND_Z_FOR_3D_COORD",
                                               "float,float,float,float*,BOOL"};
constexpr native::Native kGetMapZoneAtCoords{0x43ad8fc02b429d33, "_GET_MAP_ZONE_AT_COORDS",
                                             "float,float,float,int"};
constexpr native::Native kGetSafeCoordForPed{0xb61c8e878a4199ca, "GET_SAFE_COORD_FOR_PED",
                                             "float,float,float,BOOL,Vector3*,int"};

constexpr float kTwoPi = 2.0f * 3.14159f;
constexpr float kRaisedAboveCentre = 0.3f;
constexpr float kProbeAbove = 10.0f;
constexpr int32_t kZoneTypes[] = {1, 10, 11};
} // namespace

float HeightAboveGround(const Vector3& point) {
    native::OutSlot ground;
    if (!Invoke<bool>(kGetGroundZFor3dCoord, point.x, point.y, point.z, ground.address(), false))
        return 0.0f;
    return point.z - ground.asFloat();
}

Vector3 RandomPointAround(const Vector3& centre, float radius, bool snap) {
    const float angle = RandomFloat01() * kTwoPi;
    Vector3 p{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle),
              centre.z + kRaisedAboveCentre};
    if (snap) {
        native::OutSlot ground;
        Invoke<bool>(kGetGroundZFor3dCoord, p.x, p.y, centre.z + kProbeAbove, ground.address(),
                     true);
        p.z = ground.asFloat();
    }
    return p;
}

bool SafeCoordForPed(const Vector3& point, bool onGround, Vector3& out, int32_t flags) {
    return Invoke<bool>(kGetSafeCoordForPed, point.x, point.y, point.z, onGround, &out, flags);
}

Hash LookupAtEntity(Entity entity) {
    const Vector3 p = EntityPosition(entity);
    for (int32_t type : kZoneTypes) {
        const Hash zone = Invoke<Hash>(kGetMapZoneAtCoords, p.x, p.y, p.z, type);
        if (zone != 0) return zone;
    }
    return 0;
}

} // namespace corvale
