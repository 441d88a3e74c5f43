#include "core/natives/Player.h"

#include "core/natives/Entity.h"
#include "core/natives/NativeCall.h"

namespace corvale {

namespace {
constexpr uint64_t kPlayerPedId = 0x096275889b8e0ee0;
constexpr uint64_t kPlayerId = 0x217e9dc48139933d;

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

} // namespace corvale
