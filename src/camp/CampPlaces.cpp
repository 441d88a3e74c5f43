#include "camp/CampPlaces.h"

#include <algorithm>
#include <array>

namespace corvale {

namespace {
// The map regions' hashes: Tall Trees, Cholla Springs, Heartlands, Bayou Nwa, Grizzlies
// West, Big Valley, Gaptooth Ridge.
constexpr std::array<int32_t, 7> kPlaceIds = {1684533001, -108848014, 131399519, 2025841068,
                                              1645618177, 822658194,  -2066240242};
} // namespace

bool IsCampPlace(int32_t id) {
    return std::find(kPlaceIds.begin(), kPlaceIds.end(), id) != kPlaceIds.end();
}

} // namespace corvale
