#pragma once
// How alarmed a rival guard is, and the event that tells others he changed his mind.
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <cstdint>

namespace corvale {

enum class GuardMode : int32_t { Calm = 0, Suspicious = 1, Investigating = 2, Combat = 3 };

// Published on every mode change, also one to the same mode.
struct GuardModeChange {
    Ped ped = 0;
    GuardMode oldMode = GuardMode::Calm;
    GuardMode newMode = GuardMode::Calm;
    int32_t reserved = 0;
    Vector3 position; // (0, 0, 0) from a guard
    int32_t reservedAfter = 0;
};

} // namespace corvale
