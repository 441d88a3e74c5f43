// The camp statistics fading with game time, and the tuning the manager reads each frame.
#include "camp/CampManager.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/GameClock.h"
#include "core/natives/VectorMath.h"
#include "core/timers/Elapsed.h"

#include <exception>
#include <string>

namespace corvale {

namespace {
constexpr int32_t kDefaultPeriodMinutes = 48;
constexpr int64_t kMsPerMinute = 60000;
} // namespace

// A tuning value of GeneralMeta.dat; text that is no number gives the fallback, logged once
// per key, so a typo does not stop the camp every frame.
float CampManager::setting(const char* key, float fallback) const {
    try {
        return data_.generalMetaFile()->getFloat(key, fallback);
    } catch (const std::exception&) {
        if (warnedSettings_.insert(key).second)
            Log(std::string("CampManager: ") + key + " is not a number, using " +
                std::to_string(fallback));
        return fallback;
    }
}

int64_t CampManager::decayPeriodMs() const {
    int32_t minutes = kDefaultPeriodMinutes;
    try {
        minutes = data_.generalMetaFile()->getInt("stats.degradation_freq_minutes",
                                                  kDefaultPeriodMinutes);
    } catch (const std::exception&) {
        minutes = 0; // falls back below, with its line
    }
    if (minutes <= 0) {
        // Every frame would decay twice the statistics otherwise.
        if (!warnedPeriod_)
            Log("CampManager: stats.degradation_freq_minutes must be above 0, using 48");
        warnedPeriod_ = true;
        minutes = kDefaultPeriodMinutes;
    }
    return static_cast<int64_t>(minutes) * kMsPerMinute;
}

// One step per frame at most, however long the gap.
void CampManager::decay() {
    const int32_t now = GameTimerMs();
    if (static_cast<uint32_t>(ElapsedMs(now, lastDegradation_)) <= decayPeriodMs()) return;
    lastDegradation_ = now;
    const float influenceFactor =
        Clamp(setting("stats.influence.degradation_factor", 0.25f), 0.0f, 1.0f);
    const float lawFactor =
        Clamp(setting("stats.law_awareness.degradation_factor", 0.25f), 0.0f, 1.0f);
    influence_.multiply(1.0f - influenceFactor);
    lawAwareness_.multiply(1.0f - lawFactor);
}

} // namespace corvale
