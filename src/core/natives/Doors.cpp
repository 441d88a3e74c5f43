#include "core/natives/Doors.h"

namespace corvale {

namespace {
constexpr uint64_t kDoorSystemSetDoorState = 0x6bab9442830c7f53;
constexpr uint64_t kGetInteriorFromEntity = 0xb417689857646f61;
} // namespace

void SetDoorState(Hash door, int32_t state) {
    Invoke(kDoorSystemSetDoorState, door, state);
}

int32_t InteriorOf(Entity entity) {
    return Invoke<int32_t>(kGetInteriorFromEntity, entity);
}

} // namespace corvale
