#pragma once
// The camp's two statistics, influence and law awareness: restored from the save, started
// over at a new place, fading with game time, and moved by how missions end.
#include "camp/CampStat.h"

#include <cstdint>

namespace corvale {

class CampTuning;
struct MissionOutcome;

class CampStatistics final {
  public:
    explicit CampStatistics(const CampTuning& tuning);
    CampStatistics(const CampStatistics&) = delete;
    CampStatistics& operator=(const CampStatistics&) = delete;

    // The saved values of a camp that stood when the game was left; the fading starts now.
    void restore(float influence, float lawAwareness);
    // A camp at a new place: influence 0, law awareness 0.25, the fading from now.
    void startOver();
    // One step of fading per frame at most, however long the gap.
    void decay();
    // What a mission's pass or failure adds, as its type registered it.
    void apply(const MissionOutcome& outcome, bool passed);
    // Announces both values again.
    void notify();

    CampStat& influence() { return influence_; }
    CampStat& lawAwareness() { return lawAwareness_; }

  private:
    const CampTuning& tuning_;
    CampStat lawAwareness_;
    CampStat influence_;
    int32_t lastDegradation_ = 0;
};

} // namespace corvale
