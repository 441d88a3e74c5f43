#include "camp/CampStatistics.h"

#include "camp/CampTuning.h"
#include "core/events/EventNames.h"
#include "core/natives/GameClock.h"
#include "core/natives/Strings.h"
#include "core/natives/VectorMath.h"
#include "core/timers/Elapsed.h"
#include "missions/MissionOutcome.h"

namespace corvale {

namespace {
void Apply(CampStat& stat, const MissionEffect& effect, const CampTuning& tuning) {
    if (effect.key) stat.add(tuning.value(effect.key, effect.fallback));
}
} // namespace

CampStatistics::CampStatistics(const CampTuning& tuning) : tuning_(tuning) {
    lawAwareness_.setEventHash(static_cast<int32_t>(HashString(events::kLawAwarenessSet)));
    influence_.setEventHash(static_cast<int32_t>(HashString(events::kInfluenceSet)));
}

void CampStatistics::restore(float influence, float lawAwareness) {
    lastDegradation_ = GameTimerMs();
    influence_.set(influence);
    lawAwareness_.set(lawAwareness);
}

void CampStatistics::startOver() {
    lastDegradation_ = GameTimerMs();
    influence_.set(0.0f);
    lawAwareness_.set(0.25f);
}

void CampStatistics::decay() {
    const int32_t now = GameTimerMs();
    if (static_cast<uint32_t>(ElapsedMs(now, lastDegradation_)) <= tuning_.decayPeriodMs()) return;
    lastDegradation_ = now;
    const float influenceFactor =
        Clamp(tuning_.value("stats.influence.degradation_factor", 0.25f), 0.0f, 1.0f);
    const float lawFactor =
        Clamp(tuning_.value("stats.law_awareness.degradation_factor", 0.25f), 0.0f, 1.0f);
    influence_.multiply(1.0f - influenceFactor);
    lawAwareness_.multiply(1.0f - lawFactor);
}

void CampStatistics::apply(const MissionOutcome& outcome, bool passed) {
    Apply(influence_, passed ? outcome.influencePassed : outcome.influenceFailed, tuning_);
    Apply(lawAwareness_, passed ? outcome.lawAwarenessPassed : outcome.lawAwarenessFailed, tuning_);
}

void CampStatistics::notify() {
    influence_.notify();
    lawAwareness_.notify();
}

} // namespace corvale
