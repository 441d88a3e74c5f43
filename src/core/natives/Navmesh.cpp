#include "core/natives/Navmesh.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kAddNavmeshRequiredRegion = 0x387ead7ee42f6685;
constexpr uint64_t kIsNavmeshLoadedInArea = 0xf813c7e63f9062a5;
} // namespace

void RequestNavmeshRegion(float x, float y, float radius) {
    Invoke(kAddNavmeshRequiredRegion, x, y, radius);
}

bool IsNavmeshLoadedInArea(const Vector3& a, const Vector3& b) {
    return Invoke<bool>(kIsNavmeshLoadedInArea, a.x, a.y, a.z, b.x, b.y, b.z);
}

} // namespace corvale
