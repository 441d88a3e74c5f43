#include "camp/CampTuning.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"

#include <exception>

namespace corvale {

namespace {
constexpr int32_t kDefaultPeriodMinutes = 48;
constexpr int64_t kMsPerMinute = 60000;
} // namespace

float CampTuning::value(const char* key, float fallback) const {
    try {
        return data_.generalMetaFile()->getFloat(key, fallback);
    } catch (const std::exception&) {
        if (warned_.insert(key).second)
            Log(std::string("CampManager: ") + key + " is not a number, using " +
                std::to_string(fallback));
        return fallback;
    }
}

int64_t CampTuning::decayPeriodMs() const {
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

} // namespace corvale
