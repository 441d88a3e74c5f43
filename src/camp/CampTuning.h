#pragma once
// The camp's tuning in GeneralMeta.dat, read anew each time it is needed, so a changed file
// takes effect at once. A value that is no number gives its built-in one, logged once per
// key, so a typo does not stop the camp every frame.
#include <cstdint>
#include <set>
#include <string>

namespace corvale {

class GameData;

class CampTuning final {
  public:
    explicit CampTuning(const GameData& data) : data_(data) {}
    CampTuning(const CampTuning&) = delete;
    CampTuning& operator=(const CampTuning&) = delete;

    // The float of key, or fallback when it is absent or no number.
    float value(const char* key, float fallback) const;
    // "stats.degradation_freq_minutes" in ms; 48 minutes for a period that is not above 0.
    int64_t decayPeriodMs() const;

  private:
    const GameData& data_;
    mutable std::set<std::string, std::less<>> warned_;
    mutable bool warnedPeriod_ = false;
};

} // namespace corvale
