#pragma once
// Vehicles: creating one, its seats and draft horses, whether it can be driven or stands
// still, who sits in it, and the cargo it carries.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale {

// The model must be loaded. A wagon comes with its draft horses in harness. 0 when the game
// refuses.
Vehicle CreateVehicle(Hash model, const Vector3& position, float heading);
// Seats besides the driver's.
int32_t PassengerSeatCount(Vehicle vehicle);
// The horse in harness position index (-1 the lead); 0 when none.
Ped DraftHorse(Vehicle vehicle, int32_t index);

// False for no vehicle (0) or a wrecked one; the flags ask the game to count a burning
// vehicle and one on its side as driveable too.
bool IsVehicleDriveable(Vehicle vehicle, bool evenOnFire, bool evenOnItsSide);
bool IsVehicleStopped(Vehicle vehicle);
bool IsPedSittingInVehicle(Ped ped, Vehicle vehicle);
// Loads a prop set (crates, a tarpaulin) onto the vehicle's bed.
void AddVehiclePropSet(Vehicle vehicle, Hash propSet);

} // namespace corvale
