#pragma once
// Vehicles: whether one can be driven and the cargo it carries.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

namespace corvale {

// False for no vehicle (0) or a wrecked one; the flags ask the game to count a burning
// vehicle and one on its side as driveable too.
bool IsVehicleDriveable(Vehicle vehicle, bool evenOnFire, bool evenOnItsSide);
// Loads a prop set (crates, a tarpaulin) onto the vehicle's bed.
void AddVehiclePropSet(Vehicle vehicle, Hash propSet);

} // namespace corvale
