#include "core/natives/Vehicles.h"

namespace corvale {

namespace {
constexpr uint64_t kCreateVehicle = 0xaf35d0d2583051b0;
constexpr uint64_t kGetVehicleMaxNumberOfPassengers = 0xa9c55f1c15e62e06;
constexpr uint64_t kGetPedInDraftHarness = 0xa8ba0bae0173457b;
constexpr uint64_t kIsVehicleDriveable = 0xb86d29b10f627379;
constexpr uint64_t kIsVehicleStopped = 0x78c3311a73135241;
constexpr uint64_t kIsPedSittingInVehicle = 0xa808aa1d79230fc2;
constexpr uint64_t kAddPropSetForVehicle = 0xd80faf919a2e56ea;
} // namespace

Vehicle CreateVehicle(Hash model, const Vector3& position, float heading) {
    // Networked and owned by this script, placed on the ground as the game places it.
    return Invoke<Vehicle>(kCreateVehicle, model, position.x, position.y, position.z, heading, true,
                           true, false, true);
}

int32_t PassengerSeatCount(Vehicle vehicle) {
    return Invoke<int32_t>(kGetVehicleMaxNumberOfPassengers, vehicle);
}

Ped DraftHorse(Vehicle vehicle, int32_t index) {
    return Invoke<Ped>(kGetPedInDraftHarness, vehicle, index);
}

bool IsVehicleDriveable(Vehicle vehicle, bool evenOnFire, bool evenOnItsSide) {
    return Invoke<bool>(kIsVehicleDriveable, vehicle, evenOnFire, evenOnItsSide);
}

bool IsVehicleStopped(Vehicle vehicle) {
    return Invoke<bool>(kIsVehicleStopped, vehicle);
}

bool IsPedSittingInVehicle(Ped ped, Vehicle vehicle) {
    return Invoke<bool>(kIsPedSittingInVehicle, ped, vehicle);
}

void AddVehiclePropSet(Vehicle vehicle, Hash propSet) {
    Invoke(kAddPropSetForVehicle, vehicle, propSet);
}

} // namespace corvale
