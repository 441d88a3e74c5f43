#pragma once
// The Valentine jail where Clint sits: where things stand in and around it, and its doors.
#include "core/natives/NativeCall.h"
#include "core/natives/Vector3.h"

namespace corvale::jail {

inline const Vector3 kMissionPoint{-275.256f, 801.303f, 118.397f};
inline const Vector3 kGuardSpawn{-275.341f, 808.134f, 119.375f};
inline constexpr float kGuardSpawnHeading = 110.70567f;
inline const Vector3 kClintSpawn{-273.149f, 811.222f, 119.371f};
inline const Vector3 kBackDoor{-270.76642f, 810.0265f, 118.395805f};
inline const Vector3 kFrontDoor{-275.0233f, 809.27405f, 118.36857f};
// Where a player with the keys must stand to open the cell.
inline const Vector3 kCellPoint{-272.433f, 808.868f, 119.371f};
inline const Vector3 kGuardPost{-277.1f, 805.486f, 119.17f};
inline const Vector3 kReliefSpot{-275.235f, 822.402f, 119.355f};
inline constexpr float kReliefHeading = 17.91552f;

struct Spot {
    Vector3 point;
    float heading;
};
inline const Spot kIdleSpots[2] = {{{-269.566f, 809.815f, 119.231f}, 286.81058f},
                                   {{-278.618f, 813.0f, 122.561f}, 17.537365f}};

// The interior of the jail building.
inline constexpr int32_t kJailInterior = 7170;

} // namespace corvale::jail
