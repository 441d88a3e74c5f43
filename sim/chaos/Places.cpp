#include "chaos/Places.h"

#include "world/Geometry.h"

#include <algorithm>
#include <cmath>

namespace sim::chaos {

namespace {
float PlanDistance(const Vec3& a, const Vec3& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
} // namespace

const std::vector<CampPlace>& CampPlaces() {
    static const std::vector<CampPlace> places = {
        {1684533001, {-1997.95f, -1340.48f, 117.242f}},  // Tall Trees
        {2025841068, {1746.93f, -1172.28f, 40.8089f}},   // Bayou Nwa
        {-108848014, {-3336.57f, -2996.35f, 2.57184f}},  // Cholla Springs
        {131399519, {1654.1f, 744.083f, 131.108f}},      // Heartlands
        {1645618177, {-1805.41f, 1776.96f, 234.466f}},   // Grizzlies
        {822658194, {-1345.79f, 492.628f, 95.5548f}},    // Big Valley
        {-2066240242, {-5473.88f, -3267.36f, -22.1376f}} // Gaptooth Ridge
    };
    return places;
}

const std::vector<Vec3>& RivalCamps() {
    static const std::vector<Vec3> camps = {
        {-2320.08f, -1396.92f, 143.564f}, {-1831.34f, -1843.94f, 106.582f},
        {-2694.56f, -1432.41f, 146.10f},  {-2108.85f, -1807.09f, 141.73f},
        {-1720.72f, 637.26f, 117.71f},    {-1129.73f, -183.60f, 89.48f},
        {-1446.53f, 138.98f, 89.54f},     {-2636.19f, -21.51f, 159.63f},
        {-1040.00f, 1630.00f, 243.40f},   {-1400.00f, 1380.00f, 219.41f},
        {-1320.00f, 2500.00f, 309.37f},   {250.13f, 823.45f, 189.43f},
        {1098.46f, 55.73f, 85.98f},       {564.97f, 1411.06f, 186.36f},
        {638.17f, -77.99f, 149.03f},      {462.20f, -256.70f, 143.09f},
        {1405.89f, -2204.46f, 48.37f},    {1370.63f, -1661.48f, 66.69f},
        {1144.80f, -2180.63f, 54.65f},    {700.52f, -961.03f, 53.98f},
        {-5110.00f, -3200.00f, -16.40f},  {-5020.00f, -2670.00f, -13.03f},
        {-4590.00f, -2910.00f, -17.45f},  {-4640.00f, -3340.00f, 24.42f},
    };
    return camps;
}

Vec3 JailDoor() {
    return {-275.0f, 798.0f, 118.4f};
}

Vec3 JailCell() {
    return {-272.433f, 808.868f, 119.371f};
}

float DistanceToPlaces(const Vec3& p) {
    float best = PlanDistance(p, JailDoor());
    for (const CampPlace& c : CampPlaces())
        best = std::min(best, PlanDistance(p, c.position));
    for (const Vec3& r : RivalCamps())
        best = std::min(best, PlanDistance(p, r));
    return best;
}

} // namespace sim::chaos
