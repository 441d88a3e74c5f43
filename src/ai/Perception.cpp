#include "ai/Perception.h"

#include "core/data/DictDataFile.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Player.h"
#include "core/natives/Senses.h"
#include "core/natives/VectorMath.h"
#include "core/natives/Weather.h"

namespace corvale {

namespace {
constexpr int32_t kMustBeShipped = -999;
constexpr float kMustBeShippedF = -999.0f;
constexpr int32_t kDefaultNoiseRange = 12;
} // namespace

SightTuning ReadSightTuning(const DictDataFile& ai) {
    SightTuning t;
    t.range = static_cast<float>(ai.getInt("guard.sight_range", kMustBeShipped));
    t.minRange = ai.getFloat("guard.min_sight_range", kMustBeShippedF);
    t.crouchImpact = ai.getFloat("guard.crouch_sight_impact", kMustBeShippedF);
    t.nightImpact = ai.getFloat("guard.night_sight_impact", kMustBeShippedF);
    t.rainImpact = ai.getFloat("guard.rain_sight_impact", kMustBeShippedF);
    t.windImpact = ai.getFloat("guard.wind_sight_impact", kMustBeShippedF);
    return t;
}

HearingTuning ReadHearingTuning(const DictDataFile& ai) {
    HearingTuning t;
    t.range = static_cast<float>(ai.getInt("guard.hearing_range", kMustBeShipped));
    t.minRange = ai.getFloat("guard.min_hearing_range", kMustBeShippedF);
    t.windImpact = ai.getFloat("guard.wind_hearing_impact", kMustBeShippedF);
    return t;
}

float HearingRange(const DictDataFile& ai) {
    return HearingRangeIn(ReadHearingTuning(ai), WindShare(WindSpeed()));
}

bool IsWithinNoiseRange(const DictDataFile& ai, Ped guard, const Vector3& point) {
    const float range = static_cast<float>(ai.getInt("guard.noise_range", kDefaultNoiseRange));
    return Length(Subtract(EntityPosition(guard), point)) <= range;
}

float FoliageCoverAt(const Vector3& point) {
    const Ped player = PlayerPed();
    return FoliageCoverOf(EntityHeightAt(player, point, true, false),
                          PedBlackboardFloat(player, "FoliageHeight"));
}

float FoliageCover(Ped ped) {
    return FoliageCoverAt(EntityPosition(ped));
}

bool IsNight() {
    return IsNightHour(ClockHour());
}

bool IsCrouching(Ped ped) {
    return IsPedCrouching(ped) || IsPedInCover(ped, true, true);
}

bool CanSee(const DictDataFile& ai, Ped observer, Entity target) {
    const Vector3 at = EntityPosition(target);
    return CanSee(ai, observer, target, at, Length(Subtract(at, EntityPosition(observer))));
}

bool CanSee(const DictDataFile& ai, Ped observer, Entity target, const Vector3& targetPosition,
            float distance) {
    const float cover = FoliageCoverAt(targetPosition);
    if (cover == 1.0f) return false;
    const SightTuning tuning = ReadSightTuning(ai);
    const float range =
        SeeingRange(tuning, WindShare(WindSpeed()), RainShare(RainLevel()), IsNight());
    SetPedSeeingRange(observer, range);
    const double effective = EffectiveSightRange(tuning, range, cover, IsCrouching(target));
    if (distance > effective) return false;
    return CanPedSeeEntity(observer, target, true, false);
}

} // namespace corvale
