#include "core/natives/Objects.h"
#include "core/natives/Native.h"

#include "core/natives/Entity.h"
#include "core/natives/Models.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr native::Native kCreateObject{0x509d5878eb39e842, "CREATE_OBJECT",
                                       "Hash,float,float,float,BOOL,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kSetEntityHeading{0xcf2b9c0645c4651b, "SET_ENTITY_HEADING",
                                           "Entity,float"};
constexpr native::Native kFreezeEntityPosition{0x7d9efb7ad6b19754, "FREEZE_ENTITY_POSITION",
                                               "Entity,BOOL"};
constexpr native::Native kPlaceObjectOnGroundProperly{
    0x58a850eaee20faa3, "PLACE_OBJECT_ON_GROUND_PROPERLY", "Object,BOOL"};
constexpr native::Native kGetClosestObjectOfType{0xe143fa2249364369, "GET_CLOSEST_OBJECT_OF_TYPE",
                                                 "float,float,float,float,Hash,BOOL,BOOL,BOOL"};
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
    if (!fixed) PlaceObjectOnGround(object, false);
    return object;
}

bool PlaceObjectOnGround(Object object, bool flag) {
    return Invoke<bool>(kPlaceObjectOnGroundProperly, object, flag);
}

Object ClosestObjectOfModel(const Vector3& point, float radius, Hash model) {
    return Invoke<Object>(kGetClosestObjectOfType, point.x, point.y, point.z, radius, model, false,
                          false, false);
}

} // namespace corvale
