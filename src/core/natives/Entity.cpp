#include "core/natives/Entity.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

#include <cmath>

namespace corvale {

namespace {
constexpr native::Native kGetEntityCoords{0xa86d5f069399f44d, "GET_ENTITY_COORDS",
                                          "Entity,BOOL,BOOL"};
constexpr native::Native kGetEntityForwardVector{0x2412d9c05bb09b97, "GET_ENTITY_FORWARD_VECTOR",
                                                 "Entity"};
constexpr native::Native kGetEntityHeading{0xc230dd956e2f5507, "GET_ENTITY_HEADING", "Entity"};
constexpr native::Native kGetEntityRotation{0xe09caf86c32cb48f, "GET_ENTITY_ROTATION",
                                            "Entity,int"};
constexpr native::Native kDoesEntityExist{0xd42bd6eb2e0f1677, "DOES_ENTITY_EXIST", "Entity"};
constexpr native::Native kIsEntityDead{0x7d5b1f88e7504bba, "IS_ENTITY_DEAD", "Entity"};
constexpr native::Native kDeleteEntity{0x4cd38c78bd19a497, "DELETE_ENTITY", "Entity*"};
constexpr native::Native kDeletePed{0xcc0ef140f99365c5, "DELETE_PED", "Ped*"};
constexpr native::Native kSetEntityAsNoLongerNeeded{0x4971d2f8162b9674,
                                                    "SET_ENTITY_AS_NO_LONGER_NEEDED", "Entity*"};
constexpr native::Native kSetEntityVisible{0x1794b4fcc84d812f, "SET_ENTITY_VISIBLE", "Entity,BOOL"};
constexpr native::Native kSetEntityHealth{0xac2767ed8bdfab15, "SET_ENTITY_HEALTH",
                                          "Entity,int,Entity"};
constexpr native::Native kSetEntityProofs{0xfaee099c6f890bb8, "SET_ENTITY_PROOFS",
                                          "Entity,int,BOOL"};

constexpr int32_t kRotationOrderZxy = 2;
constexpr float kRadiansPerDegree = 3.14159265358979f / 180.0f;
constexpr native::Native kSetEntityCoords{0x06843da7060a026b, "SET_ENTITY_COORDS",
                                          "Entity,float,float,float,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kGetEntityHealthFloat{0x96c638784db4c815, "_GET_ENTITY_HEALTH_FLOAT",
                                               "Entity"};
} // namespace

Vector3 EntityPosition(Entity entity) {
    return Invoke<Vector3>(kGetEntityCoords, entity, true, false);
}

float EntityHeading(Entity entity) {
    return Invoke<float>(kGetEntityHeading, entity);
}

Vector3 EntityForward(Entity entity) {
    return Invoke<Vector3>(kGetEntityForwardVector, entity);
}

Vector3 EntityRotationDirection(Entity entity) {
    const Vector3 r = Invoke<Vector3>(kGetEntityRotation, entity, kRotationOrderZxy);
    const float pitch = r.y * kRadiansPerDegree;
    const float yaw = r.z * kRadiansPerDegree;
    return {std::cos(pitch) * std::cos(yaw), std::cos(pitch) * std::sin(yaw), -std::sin(pitch)};
}

bool EntityExists(Entity entity) {
    return Invoke<bool>(kDoesEntityExist, entity);
}

bool IsEntityDead(Entity entity) {
    return Invoke<bool>(kIsEntityDead, entity);
}

void DeleteEntity(Entity& entity) {
    Invoke(kDeleteEntity, &entity);
}

void DeletePed(Ped& ped) {
    Invoke(kDeletePed, &ped);
}

void ReleaseEntity(Entity& entity) {
    Invoke(kSetEntityAsNoLongerNeeded, &entity);
}

void SetEntityVisible(Entity entity, bool visible) {
    Invoke(kSetEntityVisible, entity, visible);
}

void SetEntityHealth(Entity entity, int32_t health, Entity source) {
    Invoke(kSetEntityHealth, entity, health, source);
}

void SetEntityProofs(Entity entity, int32_t proofs, bool flag) {
    Invoke(kSetEntityProofs, entity, proofs, flag);
}

void SetEntityCoords(Entity entity, const Vector3& position, bool xAxis, bool yAxis, bool zAxis,
                     bool clearArea) {
    Invoke(kSetEntityCoords, entity, position.x, position.y, position.z, xAxis, yAxis, zAxis,
           clearArea);
}

float EntityHealthFraction(Entity entity) {
    return Invoke<float>(kGetEntityHealthFloat, entity);
}

} // namespace corvale
