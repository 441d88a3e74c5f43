#include "core/natives/Navmesh.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kAddNavmeshRequiredRegion{
    0x387ead7ee42f6685, "ADD_NAVMESH_REQUIRED_REGION", "float,float,float"};
constexpr native::Native kIsNavmeshLoadedInArea{0xf813c7e63f9062a5, "IS_NAVMESH_LOADED_IN_AREA",
                                                "float,float,float,float,float,float"};
} // namespace

void RequestNavmeshRegion(float x, float y, float radius) {
    Invoke(kAddNavmeshRequiredRegion, x, y, radius);
}

bool IsNavmeshLoadedInArea(const Vector3& a, const Vector3& b) {
    return Invoke<bool>(kIsNavmeshLoadedInArea, a.x, a.y, a.z, b.x, b.y, b.z);
}

} // namespace corvale
