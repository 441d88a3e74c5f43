#include "world/GameGround.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {
constexpr float kCell = 20.0f;
} // namespace

float GameGroundAt(float x, float y) {
    const int32_t i = static_cast<int32_t>(std::lround(x / kCell));
    const int32_t j = static_cast<int32_t>(std::lround(y / kCell));
    const GroundCell* end = kGroundCells + kGroundCellCount;
    const GroundCell* cell = std::lower_bound(
        kGroundCells, end, GroundCell{i, j, 0},
        [](const GroundCell& a, const GroundCell& b) { return a.i < b.i || (a.i == b.i && a.j < b.j); });
    if (cell != end && cell->i == i && cell->j == j) return cell->z;
    // Unknown ground: the height of the nearest known place.
    float best = 0, bestZ = 0;
    for (size_t k = 0; k < kGroundPlaceCount; ++k) {
        const float dx = kGroundPlaces[k].x - x, dy = kGroundPlaces[k].y - y;
        const float d = dx * dx + dy * dy;
        if (k == 0 || d < best) {
            best = d;
            bestZ = kGroundPlaces[k].z;
        }
    }
    return bestZ;
}

} // namespace sim
