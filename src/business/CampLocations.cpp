#include "business/CampLocations.h"

#include "core/data/CampPlaces.h"

namespace corvale::business {

namespace {

struct KnownLocation {
    int32_t identifier;
    WagonPlace wagon;
};

const KnownLocation kLocations[kCampLocationCount] = {
    {camp_places::kTallTrees, {{-1994.408f, -1348.782f, 117.358f}, 297.0f}},  // Tall Trees
    {camp_places::kBayouNwa, {{1750.762f, -1168.297f, 41.611f}, 17.0f}},     // Bayou Nwa
    {camp_places::kChollaSprings, {{-3341.319f, -2993.253f, 3.561f}, 143.0f}},    // Cholla Springs
    {camp_places::kGrizzlies, {{-1803.712f, 1786.196f, 235.272f}, 82.0f}},    // Grizzlies
    {camp_places::kHeartlands, {{1659.8f, 737.724f, 131.65f}, 131.0f}},         // Heartlands
    {camp_places::kBigValley, {{-1351.73f, 494.43f, 96.555f}, 162.0f}},        // Big Valley
    {camp_places::kGaptoothRidge, {{-5479.703f, -3269.531f, -21.144f}, 351.0f}}, // Gaptooth Ridge
};

// Big Valley and Gaptooth Ridge have no buyers of their own.
constexpr int kLocationsWithBuyers = 5;
const Vector3 kBuyers[kLocationsWithBuyers][kDestinationsPerLocation] = {
    {{-1208.465f, -1933.4f, 43.12f},
     {-946.98f, -1400.0f, 49.933f},
     {-2359.659f, -2406.291f, 61.972f},
     {-2568.958f, -1372.559f, 150.121f},
     {-888.231f, -1640.776f, 67.975f}},
    {{1324.893f, -1364.102f, 79.209f},
     {1288.533f, -1135.012f, 81.168f},
     {2869.539f, -1205.581f, 46.204f},
     {2616.526f, -1224.24f, 53.314f},
     {2067.653f, -881.892f, 42.126f}},
    {{-2359.659f, -2406.291f, 61.972f},
     {-3709.795f, -2580.715f, -13.745f},
     {-4362.978f, -3068.483f, -10.131f},
     {-5523.353f, -2917.215f, -2.409f},
     {-5223.008f, -3495.353f, -21.746f}},
    {{-307.416f, 789.246f, 117.723f},
     {-1308.768f, 382.714f, 95.41f},
     {-1088.285f, -569.511f, 81.96f},
     {-1786.023f, -377.1f, 158.665f},
     {-1387.674f, -205.166f, 101.224f}},
    {{1512.233f, 439.344f, 89.764f},
     {1255.416f, -382.75f, 97.632f},
     {901.943f, 281.585f, 116.232f},
     {1090.205f, 486.219f, 95.867f},
     {-310.733f, 780.477f, 117.627f}},
};

} // namespace

int CampLocationNumber(int32_t identifier) {
    for (int i = 0; i < kCampLocationCount; ++i)
        if (kLocations[i].identifier == identifier) return i + 1;
    return 0;
}

const WagonPlace* WagonPlaceAt(int location) {
    if (location < 1 || location > kCampLocationCount) return nullptr;
    return &kLocations[location - 1].wagon;
}

const Vector3* BuyerOf(int location, int index) {
    if (location < 1 || location > kLocationsWithBuyers) return nullptr;
    if (index < 0 || index >= kDestinationsPerLocation) return nullptr;
    return &kBuyers[location - 1][index];
}

} // namespace corvale::business
