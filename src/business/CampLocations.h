#pragma once
// The seven camp locations as the business plug-in numbers them (1 to 7): where the
// delivery wagon stands at each, and the buyers each one delivers to.
#include "core/natives/Vector3.h"

#include <cstdint>

namespace corvale::business {

constexpr int kCampLocationCount = 7;
constexpr int kDestinationsPerLocation = 5;

struct WagonPlace {
    Vector3 point;
    float heading;
};

// The number of the camp plug-in's location identifier; 0 for one it does not know.
int CampLocationNumber(int32_t identifier);
// The wagon's place at location 1 to 7; nullptr for any other.
const WagonPlace* WagonPlaceAt(int location);
// Buyer index (0 to 4) of location 1 to 5; nullptr where the location has no buyers of its own.
const Vector3* BuyerOf(int location, int index);

} // namespace corvale::business
