#pragma once
// A chaos run: the chaos player and world play for a while from a seed with the rules
// checked after every frame. A broken rule ends the run: the commands that led there are
// written as a scenario, then cut down to the fewest that still break it.
#include "scenario/Scenario.h"

#include <cstdint>
#include <string>

namespace sim::chaos {

struct HuntSettings {
    RunSettings run;
    uint64_t seed = 0;
    double minutes = 10;        // of game time
    std::string outDir = ".";   // where a finding's scenarios are written
    double shrinkSeconds = 120; // wall time the cutting down may take
    bool echo = false;          // print each command as it is played
    std::string self;           // this program, run again to replay a finding
};

// 0: no rule broken; 1: a rule broken (its scenario written); 2: the run could not go on.
int Hunt(const HuntSettings& settings);

} // namespace sim::chaos
