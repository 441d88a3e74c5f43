#pragma once
// The on-site part of a sabotage: the rival guards with their stealth behaviour, woken when
// the player comes near, the objective, combat spreading through the camp once one guard has
// fought a while, and the result: escaped once the objective is done and the player got
// clear, failed when he died.
#include "ai/GuardAI.h"
#include "core/natives/Groups.h"
#include "core/runtime/Executable.h"
#include "missions/InfiltrationKit.h"
#include "missions/InfiltrationObjectiveProcessor.h"
#include "missions/SabotageSetup.h"

#include <memory>
#include <vector>

namespace corvale {

class CampInfiltrationProcessor final : public Executable {
  public:
    enum Result : int32_t { kFailed = -1, kRunning = 0, kEscaped = 1 };
    enum Phase : int32_t { kDone = -1, kDormant = 0, kObjective = 1, kEscape = 2 };

    // An objective type other than 0 is logged and ends the infiltration as failed.
    CampInfiltrationProcessor(const SabotageSetup& setup, const InfiltrationKit& kit);

    // Makes room for count guards, so that bringing them out allocates nothing more.
    void expectGuards(int32_t count);
    // Brings one guard of the model out around the camp's prop sets; the first three walk a
    // round (the still's and the centre's). False when the model gave none. Its model's wait
    // is over before: the spawn answers at once.
    bool spawnGuard(Hash model);
    void tick() override;
    int32_t getResult() const { return result_; }
    // Lets the guards' peds go (deletes them with the debug tools on), the fallen ones too,
    // gives the guards' group back and cleans the objective up.
    void cleanup();

    int32_t phase() const { return phase_; }
    const std::vector<std::unique_ptr<GuardAI>>& guards() const { return guards_; }
    PedGroup group() const { return group_; }
    InfiltrationObjectiveProcessor* objective() const { return objective_.get(); }

  private:
    void wakeWhenNear(float distance);
    void runObjective();
    void escapeWhenClear(float distance);
    void updateGuards();
    void spreadCombat(const GuardAI& fighter);
    void joinGroup(Ped ped);
    void giveDuty(GuardAI& guard, size_t index);
    void letGo(Ped& ped);

    const SabotageSetup& setup_;
    InfiltrationKit kit_;
    std::vector<std::unique_ptr<GuardAI>> guards_;
    // Peds of guards taken out of the list, kept until the clean-up lets them go.
    std::vector<Ped> fallen_;
    int32_t phase_ = kDormant;
    std::unique_ptr<InfiltrationObjectiveProcessor> objective_;
    int32_t result_ = kRunning;
    PedGroup group_ = kNoPedGroup;
    // Every guard was sent at the player: from then on only beating them all gets him out.
    bool campFights_ = false;
};

} // namespace corvale
