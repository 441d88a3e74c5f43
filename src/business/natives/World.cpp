// The player, positions, the game timer, streaming and the wagon.
#include "business/natives/BusinessNatives.h"

namespace corvale::business {

namespace {
constexpr uint64_t kPlayerPedId = 0x096275889b8e0ee0;
constexpr uint64_t kGetEntityCoords = 0xa86d5f069399f44d;
constexpr uint64_t kDistanceBetweenCoords = 0x0be7f4e3cdbafb28;
constexpr uint64_t kGetGameTimer = 0x4f67e8eca7d3f667;
constexpr uint64_t kSaddleHorseForPlayer = 0xb48050d326e9a2f3;
constexpr uint64_t kHasModelLoaded = 0x1283b8b89dd5d1b6;
constexpr uint64_t kRequestModel = 0xfa28fe3a6246fc30;
constexpr uint64_t kIsVehicleDriveable = 0xb86d29b10f627379;
constexpr uint64_t kAddPropSetForVehicle = 0xd80faf919a2e56ea;
constexpr uint64_t kIsIplActiveHash = 0xd779b9b910bd3b7c;
constexpr uint64_t kRequestIplHash = 0x59767c5a7a9ae6da;
} // namespace

int32_t BusinessPlayerPed() {
    return Invoke<int32_t>(kPlayerPedId);
}

Vector3 BusinessEntityPosition(int32_t entity) {
    return Invoke<Vector3>(kGetEntityCoords, entity, true, false);
}

float BusinessDistance(const Vector3& a, const Vector3& b) {
    return Invoke<float>(kDistanceBetweenCoords, a.x, a.y, a.z, b.x, b.y, b.z, true);
}

int32_t BusinessGameTimer() {
    return Invoke<int32_t>(kGetGameTimer);
}

void TouchSaddleHorse(int32_t player) {
    Invoke<int32_t>(kSaddleHorseForPlayer, player);
}

bool IsModelLoaded(Hash model) {
    return Invoke<bool>(kHasModelLoaded, model);
}

void RequestModel(Hash model) {
    Invoke(kRequestModel, model, false);
}

bool IsVehicleDriveable(int32_t vehicle, bool a, bool b) {
    return Invoke<bool>(kIsVehicleDriveable, vehicle, a, b);
}

void AddVehiclePropSet(int32_t vehicle, Hash propSet) {
    Invoke(kAddPropSetForVehicle, vehicle, propSet);
}

bool IsMapPartActive(Hash part) {
    return Invoke<bool>(kIsIplActiveHash, part);
}

void RequestMapPart(Hash part) {
    Invoke(kRequestIplHash, part);
}

} // namespace corvale::business
