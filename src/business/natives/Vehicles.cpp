// The wagon: whether it can be driven, the cargo prop set it carries.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kIsVehicleDriveable = 0xb86d29b10f627379;
constexpr uint64_t kAddPropSetForVehicle = 0xd80faf919a2e56ea;
} // namespace

bool IsVehicleDriveable(int32_t vehicle, bool a, bool b) {
    return Invoke<bool>(kIsVehicleDriveable, vehicle, a, b);
}

void AddVehiclePropSet(int32_t vehicle, Hash propSet) {
    Invoke(kAddPropSetForVehicle, vehicle, propSet);
}

} // namespace corvale::business
