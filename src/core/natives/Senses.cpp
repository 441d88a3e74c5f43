#include "core/natives/Senses.h"
#include "core/natives/Native.h"

#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kCanPedSeeEntity{0x7f9b9791d4cb71f6, "CAN_PED_SEE_ENTITY",
                                          "Ped,Entity,BOOL,BOOL"};
constexpr int32_t kSees = 1;
constexpr native::Native kSetPedSeeingRange{0xf29cf591c4bf6cee, "SET_PED_SEEING_RANGE",
                                            "Ped,float"};
constexpr native::Native kGetPedCrouchMovement{0xd5fe956c70ff370b, "GET_PED_CROUCH_MOVEMENT",
                                               "Ped"};
constexpr native::Native kIsPedInCover{0x60dfd0691a170b88, "IS_PED_IN_COVER", "Ped,BOOL,BOOL"};
constexpr native::Native kGetEntityHeight{0x296debc84474b375, "GET_ENTITY_HEIGHT",
                                          "Entity,float,float,float,BOOL,BOOL"};
constexpr native::Native kGetPedBlackboardFloat{0x56e58d4d118fb45e, "_GET_PED_BLACKBOARD_FLOAT",
                                                "Ped,const char*"};
constexpr native::Native kSetEventTrackerForPed{0xbb1e41dd3d3c6250, "_SET_EVENT_TRACKER_FOR_PED",
                                                "Ped,const char*,int"};
} // namespace

bool CanPedSeeEntity(Ped observer, Entity target, bool a, bool b) {
    // 0 cannot see, 1 sees, 2 not sure yet: only a sure sighting counts.
    return Invoke<int32_t>(kCanPedSeeEntity, observer, target, a, b) == kSees;
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
