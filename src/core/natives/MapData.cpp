#include "core/natives/MapData.h"

namespace corvale {

namespace {
constexpr uint64_t kIsIplActiveHash = 0xd779b9b910bd3b7c;
constexpr uint64_t kRequestIplHash = 0x59767c5a7a9ae6da;
} // namespace

bool IsMapDataActive(Hash set) {
    return Invoke<bool>(kIsIplActiveHash, set);
}

void RequestMapData(Hash set) {
    Invoke(kRequestIplHash, set);
}

} // namespace corvale
