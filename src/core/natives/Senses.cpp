#include "core/natives/Senses.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kCanPedSeeEntity = 0x7f9b9791d4cb71f6;
constexpr uint64_t kSetPedSeeingRange = 0xf29cf591c4bf6cee;
constexpr uint64_t kGetPedCrouchMovement = 0xd5fe956c70ff370b;
constexpr uint64_t kIsPedInCover = 0x60dfd0691a170b88;
constexpr uint64_t kGetEntityHeight = 0x296debc84474b375;
constexpr uint64_t kGetPedBlackboardFloat = 0x56e58d4d118fb45e;
constexpr uint64_t kSetEventTrackerForPed = 0xbb1e41dd3d3c6250;
} // namespace

bool CanPedSeeEntity(Ped observer, Entity target, bool a, bool b) {
    return Invoke<bool>(kCanPedSeeEntity, observer, target, a, b);
}

void SetPedSeeingRange(Ped ped, float metres) {
    Invoke(kSetPedSeeingRange, ped, metres);
}

bool IsPedCrouching(Ped ped) {
    return Invoke<bool>(kGetPedCrouchMovement, ped);
}

bool IsPedInCover(Ped ped, bool a, bool b) {
    return Invoke<bool>(kIsPedInCover, ped, a, b);
}

float EntityHeightAt(Entity entity, const Vector3& point, bool a, bool b) {
    return Invoke<float>(kGetEntityHeight, entity, point.x, point.y, point.z, a, b);
}

float PedBlackboardFloat(Ped ped, const char* name) {
    return Invoke<float>(kGetPedBlackboardFloat, ped, name);
}

void SetPedEventTracker(Ped ped, const char* profile, int32_t flags) {
    Invoke(kSetEventTrackerForPed, ped, profile, flags);
}

} // namespace corvale
