#include "core/natives/Player.h"

#include "core/natives/Entity.h"
#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kPlayerPedId = 0x096275889b8e0ee0;
constexpr uint64_t kPlayerId = 0x217e9dc48139933d;
constexpr uint64_t kIsPlayerDead = 0x2e9c3fcb6798f397;
constexpr uint64_t kIsLawIncidentActive = 0xad401c63158acbaa;
constexpr uint64_t kGetPlayerCurrentStealthNoise = 0xd7ecc25e176ecba5;

Ped gPlayerPed = 0;
} // namespace

Ped PlayerPed() {
    return gPlayerPed;
}

void RefreshPlayerPed() {
    gPlayerPed = Invoke<Ped>(kPlayerPedId);
}

int32_t PlayerIndex() {
    return Invoke<int32_t>(kPlayerId);
}

Vector3 PlayerPosition() {
    return EntityPosition(PlayerPed());
}

bool IsPlayerDead(int32_t player) {
    return Invoke<bool>(kIsPlayerDead, player);
}

bool IsLawIncidentActive(int32_t player) {
    return Invoke<bool>(kIsLawIncidentActive, player);
}

float PlayerStealthNoise(int32_t player) {
    return Invoke<float>(kGetPlayerCurrentStealthNoise, player);
}

} // namespace corvale
