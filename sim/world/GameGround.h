#pragma once
// The ground as the game's own scripts know it: the median height of the positions they use
// around each 20 m cell near the camp places, the rival camps and the towns; elsewhere the
// height of the nearest of those places.
#include <cstddef>
#include <cstdint>

namespace sim {

struct GroundCell {
    int32_t i, j; // the cell's centre is (i, j) times 20 m
    float z;
};
struct GroundPlace {
    float x, y, z;
};

extern const GroundCell kGroundCells[];   // sorted by i, then j
extern const size_t kGroundCellCount;
extern const GroundPlace kGroundPlaces[];
extern const size_t kGroundPlaceCount;

// The game's ground height under the point.
float GameGroundAt(float x, float y);

} // namespace sim
