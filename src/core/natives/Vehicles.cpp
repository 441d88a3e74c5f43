#include "core/natives/Vehicles.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kCreateVehicle{0xaf35d0d2583051b0, "CREATE_VEHICLE",
                                        "Hash,float,float,float,float,BOOL,BOOL,BOOL,BOOL"};
constexpr native::Native kGetVehicleMaxNumberOfPassengers{
    0xa9c55f1c15e62e06, "GET_VEHICLE_MAX_NUMBER_OF_PASSENGERS", "Vehicle"};
constexpr native::Native kGetPedInDraftHarness{0xa8ba0bae0173457b, "_GET_PED_IN_DRAFT_HARNESS",
                                               "Vehicle,int"};
constexpr native::Native kIsVehicleDriveable{0xb86d29b10f627379, "IS_VEHICLE_DRIVEABLE",
                                             "Vehicle,BOOL,BOOL"};
constexpr native::Native kIsVehicleStopped{0x78c3311a73135241, "IS_VEHICLE_STOPPED", "Vehicle"};
constexpr native::Native kIsPedSittingInVehicle{0xa808aa1d79230fc2, "IS_PED_SITTING_IN_VEHICLE",
                                                "Ped,Vehicle"};
constexpr native::Native kAddPropSetForVehicle{0xd80faf919a2e56ea, "_ADD_PROP_SET_FOR_VEHICLE",
                                               "Vehicle,Hash"};
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
