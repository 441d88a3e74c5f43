#include "core/natives/Distance.h"
#include "core/natives/Native.h"

#include "core/natives/Entity.h"
#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kGetDistanceBetweenCoords{
    0x0be7f4e3cdbafb28, "GET_DISTANCE_BETWEEN_COORDS", "float,float,float,float,float,float,BOOL"};
}

float Distance(const Vector3& a, const Vector3& b) {
    return Invoke<float>(kGetDistanceBetweenCoords, a.x, a.y, a.z, b.x, b.y, b.z, true);
}

float Distance(Entity a, Entity b) {
    return Distance(EntityPosition(a), EntityPosition(b));
}

float Distance(Entity a, const Vector3& b) {
    return Distance(EntityPosition(a), b);
}

float Distance(const Vector3& a, Entity b) {
    return Distance(a, EntityPosition(b));
}

} // namespace corvale
