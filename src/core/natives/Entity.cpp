#include "core/natives/Entity.h"

#include "core/natives/NativeCall.h"

#include <cmath>

namespace corvale {

namespace {
constexpr uint64_t kGetEntityCoords = 0xa86d5f069399f44d;
constexpr uint64_t kGetEntityForwardVector = 0x2412d9c05bb09b97;
constexpr uint64_t kGetEntityHeading = 0xc230dd956e2f5507;
constexpr uint64_t kGetEntityRotation = 0xe09caf86c32cb48f;
constexpr uint64_t kDoesEntityExist = 0xd42bd6eb2e0f1677;
constexpr uint64_t kIsEntityDead = 0x7d5b1f88e7504bba;
constexpr uint64_t kDeleteEntity = 0x4cd38c78bd19a497;
constexpr uint64_t kDeletePed = 0xcc0ef140f99365c5;
constexpr uint64_t kSetEntityAsNoLongerNeeded = 0x4971d2f8162b9674;
constexpr uint64_t kSetEntityVisible = 0x1794b4fcc84d812f;
constexpr uint64_t kSetEntityHealth = 0xac2767ed8bdfab15;
constexpr uint64_t kSetEntityProofs = 0xfaee099c6f890bb8;

constexpr int32_t kRotationOrderZxy = 2;
constexpr float kRadiansPerDegree = 3.14159265358979f / 180.0f;
constexpr uint64_t kSetEntityCoords = 0x06843da7060a026b;
constexpr uint64_t kGetEntityHealthFloat = 0x96c638784db4c815;
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
