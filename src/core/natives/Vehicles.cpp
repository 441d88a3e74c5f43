#include "core/natives/Vehicles.h"

namespace corvale {

namespace {
constexpr uint64_t kIsVehicleDriveable = 0xb86d29b10f627379;
constexpr uint64_t kAddPropSetForVehicle = 0xd80faf919a2e56ea;
} // namespace

bool IsVehicleDriveable(Vehicle vehicle, bool evenOnFire, bool evenOnItsSide) {
    return Invoke<bool>(kIsVehicleDriveable, vehicle, evenOnFire, evenOnItsSide);
}

void AddVehiclePropSet(Vehicle vehicle, Hash propSet) {
    Invoke(kAddPropSetForVehicle, vehicle, propSet);
}

} // namespace corvale
