#include "core/natives/Doors.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kDoorSystemSetDoorState{0x6bab9442830c7f53, "DOOR_SYSTEM_SET_DOOR_STATE",
                                                 "Hash,int"};
constexpr native::Native kGetInteriorFromEntity{0xb417689857646f61, "GET_INTERIOR_FROM_ENTITY",
                                                "Entity"};
} // namespace

void SetDoorState(Hash door, int32_t state) {
    Invoke(kDoorSystemSetDoorState, door, state);
}

int32_t InteriorOf(Entity entity) {
    return Invoke<int32_t>(kGetInteriorFromEntity, entity);
}

} // namespace corvale
