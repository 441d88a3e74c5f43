#pragma once
// What the missions manager hands a new sabotage, built from the chosen rival camp.
#include "core/natives/Vector3.h"

#include <cstdint>
#include <vector>

namespace corvale {

struct CampComplex;

struct SabotageSetup {
    Vector3 centre;
    int32_t guardCount = 0;
    int32_t objectiveType = 0; // 0: ruin the rival still
    Vector3 stillPosition;
    std::vector<Vector3> spawnPoints; // one per prop set of the complex
};

// The setup for the complex, with guardCount rival guards.
SabotageSetup MakeSabotageSetup(const CampComplex& complex, int32_t guardCount);

} // namespace corvale
