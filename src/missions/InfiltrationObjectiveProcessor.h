#pragma once
// What the player must do inside a rival camp before he gets away; the camp infiltration
// ticks it every frame until it reports completed.
#include "core/runtime/Executable.h"
#include "missions/InfiltrationKit.h"
#include "missions/SabotageSetup.h"

#include <cstdint>

namespace corvale {

class InfiltrationObjectiveProcessor : public Executable {
  public:
    enum Status : int32_t { kRunning = 0, kCompleted = 1 };

    InfiltrationObjectiveProcessor(const SabotageSetup& setup, const InfiltrationKit& kit)
        : setup_(setup), kit_(kit) {}

    // Takes off the map and the screen what the objective put there.
    virtual void cleanup() {}
    int32_t objectiveStatus() const { return objectiveStatus_; }
    // Shows the objective's line: "missions.camp_infiltration.objectives." + its type.
    void showObjective();

  protected:
    const SabotageSetup& setup_;
    InfiltrationKit kit_;
    int32_t objectiveStatus_ = kRunning;
};

} // namespace corvale
