#pragma once
// The deputy on guard at the Valentine jail: spawned with his name and voice, kept at his
// post by rounds (a stand, then a break or an idle scenario at one of his spots), and set
// on the player once the law is after him.
#include "core/natives/Handles.h"
#include "core/natives/NativeCall.h"

#include <cstdint>

namespace corvale {

class BaseMissionProcessor;
class DebugTools;

class PrisonGuard final {
  public:
    // What he spawns is registered with mission.
    PrisonGuard(BaseMissionProcessor& mission, const DebugTools& debug);
    PrisonGuard(const PrisonGuard&) = delete;
    PrisonGuard& operator=(const PrisonGuard&) = delete;

    // Spawns him at his post with his prompt name; 0 when the spawn gave up.
    Ped spawn(const char* name);
    // While the jail is guarded, once a frame: his rounds, or the fight when the player is
    // wanted.
    void update();
    // Hands him to the game once, when the law takes over the fight.
    void release();
    // A reset or a failure removed him: no guard, no rounds.
    void forget();
    Ped ped() const { return ped_; }

  private:
    void giveRound(Ped guard);

    BaseMissionProcessor& mission_;
    const DebugTools& debug_;
    Ped ped_ = 0;
    int32_t roundCheckFrames_ = 0; // a countdown of about a second's worth of frames a tick
    int32_t nextBreakAt_ = 0;      // clock seconds, 0 until his first round
    Hash peeScenario_;
    Hash idleScenarios_[2];
};

} // namespace corvale
