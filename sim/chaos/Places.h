#pragma once
// Where things happen in the game, as the chaos player and its rules know them: the camp
// places, the rival camps, the Valentine jail and the wagon's and cook's models.
#include "world/Vec3.h"

#include <cstdint>
#include <vector>

namespace sim::chaos {

struct CampPlace {
    int32_t id = 0; // the number the camp's save keeps as operation.location
    Vec3 position;  // where its camp set stands
};

const std::vector<CampPlace>& CampPlaces();
// The centres of the rival camps a sabotage is sent against.
const std::vector<Vec3>& RivalCamps();
// The jail where the cook is held, and its cell.
Vec3 JailDoor();
Vec3 JailCell();
constexpr int32_t kJailInterior = 7170;

// The nearest distance in plan from a point to any camp place, rival camp or the jail.
float DistanceToPlaces(const Vec3& p);

} // namespace sim::chaos
