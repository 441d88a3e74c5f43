#pragma once
// One camp statistic (influence or law awareness): a fraction kept inside [0, 1] that
// announces every change as a script event, which the camp manager hears and saves.
#include <cstdint>

namespace corvale {

class CampStat {
  public:
    CampStat() = default;
    virtual ~CampStat() = default;
    CampStat(const CampStat&) = delete;
    CampStat& operator=(const CampStat&) = delete;

    // Announces the value: [eventHash, value in hundredths], size 2; nothing when the hash is 0.
    virtual void notify();

    float get() const { return value_; }
    // Each clamps to [0, 1], announces (even when nothing changed) and returns the new value.
    float add(float delta);
    float multiply(float factor);
    float set(float v);

    // The game hash of the event that announces the value; 0 keeps the statistic silent.
    int32_t eventHash() const { return eventHash_; }
    void setEventHash(int32_t hash) { eventHash_ = hash; }

  private:
    float value_ = 0.0f;
    int32_t eventHash_ = 0;
};

} // namespace corvale
