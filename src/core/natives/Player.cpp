#include "core/natives/Player.h"
#include "core/natives/Native.h"

#include "core/natives/Entity.h"
#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr native::Native kPlayerPedId{0x096275889b8e0ee0, "PLAYER_PED_ID", ""};
constexpr native::Native kPlayerId{0x217e9dc48139933d, "PLAYER_ID", ""};
constexpr native::Native kIsPlayerDead{0x2e9c3fcb6798f397, "IS_PLAYER_DEAD", "Player"};
constexpr native::Native kIsPlayerBeingArrested{0xc8183ae963c58374, "IS_PLAYER_BEING_ARRESTED",
                                                "Player,BOOL"};
constexpr native::Native kIsLawIncidentActive{0xad401c63158acbaa, "IS_LAW_INCIDENT_ACTIVE",
                                              "Player"};
constexpr native::Native kGetPlayerCurrentStealthNoise{
    0xd7ecc25e176ecba5, "GET_PLAYER_CURRENT_STEALTH_NOISE", "Player"};

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

bool IsPlayerBeingArrested(int32_t player) {
    return Invoke<bool>(kIsPlayerBeingArrested, player, false);
}

bool IsLawIncidentActive(int32_t player) {
    return Invoke<bool>(kIsLawIncidentActive, player);
}

float PlayerStealthNoise(int32_t player) {
    return Invoke<float>(kGetPlayerCurrentStealthNoise, player);
}

} // namespace corvale
