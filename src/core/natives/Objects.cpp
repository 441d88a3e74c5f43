#include "core/natives/Objects.h"

#include "core/natives/Entity.h"
#include "core/natives/Models.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kCreateObject = 0x509d5878eb39e842;
constexpr uint64_t kSetEntityHeading = 0xcf2b9c0645c4651b;
constexpr uint64_t kFreezeEntityPosition = 0x7d9efb7ad6b19754;
constexpr uint64_t kPlaceObjectOnGroundProperly = 0x58a850eaee20faa3;
} // namespace

Object SpawnObject(const char* model, const Vector3& position, float heading, bool fixed,
                   bool visible) {
    return SpawnObject(HashString(model), position, heading, fixed, visible);
}

Object SpawnObject(Hash model, const Vector3& position, float heading, bool fixed, bool visible) {
    if (!ModelLoaded(model)) RequestModel(model);
    if (!AwaitModel(model)) return 0;
    const Object object = Invoke<Object>(kCreateObject, model, position.x, position.y, position.z,
                                         false, false, !fixed, false, false);
    Invoke(kSetEntityHeading, object, heading);
    Invoke(kFreezeEntityPosition, object, fixed);
    SetEntityVisible(object, visible);
    if (!fixed) Invoke<bool>(kPlaceObjectOnGroundProperly, object, false);
    return object;
}

} // namespace corvale
