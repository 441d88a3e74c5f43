#pragma once
// What a guard notices, as the game and "AI.dat" say it now: every call reads the tuning
// and the weather again, so a changed data file or a change of weather counts at once.
#include "ai/PerceptionMath.h"
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

namespace corvale {

class DictDataFile;

SightTuning ReadSightTuning(const DictDataFile& ai);
HearingTuning ReadHearingTuning(const DictDataFile& ai);

// How far guards hear a shot in the wind now.
float HearingRange(const DictDataFile& ai);
// The point lies within "guard.noise_range" (12 m when missing) of the guard.
bool IsWithinNoiseRange(const DictDataFile& ai, Ped guard, const Vector3& point);
// How much vegetation hides whoever stands at the point, 0 to 1, judged by the player's
// height over it and the foliage around the player.
float FoliageCoverAt(const Vector3& point);
float FoliageCover(Ped ped);
bool IsNight();
// Crouched, or in cover.
bool IsCrouching(Ped ped);

// The observer sees the target: within his sight range for the weather, light, the target's
// cover and crouch, and with nothing in between. Tells the game the observer's seeing range.
bool CanSee(const DictDataFile& ai, Ped observer, Entity target);
// The same, for a target whose position and distance the caller has read this frame.
bool CanSee(const DictDataFile& ai, Ped observer, Entity target, const Vector3& targetPosition,
            float distance);

} // namespace corvale
