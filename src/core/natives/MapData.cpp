#include "core/natives/MapData.h"
#include "core/natives/Native.h"

namespace corvale {

namespace {
constexpr native::Native kIsIplActiveHash{0xd779b9b910bd3b7c, "IS_IPL_ACTIVE_HASH", "Hash"};
constexpr native::Native kRequestIplHash{0x59767c5a7a9ae6da, "REQUEST_IPL_HASH", "Hash"};
} // namespace

bool IsMapDataActive(Hash set) {
    return Invoke<bool>(kIsIplActiveHash, set);
}

void RequestMapData(Hash set) {
    Invoke(kRequestIplHash, set);
}

} // namespace corvale
