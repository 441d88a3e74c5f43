#pragma once
// Putting the flavouring herbs into a still: the ped puts his weapon away, walks to the
// still, turns to it and tips the herbs in while the still's lid moves with his hands.
#include "ai/AsyncPedTask.h"
#include "core/natives/Handles.h"
#include "core/natives/Vector3.h"

#include <cstdint>

namespace corvale {

class DebugTools;

// Where a ped stands to use an object: half a metre in front of it.
Vector3 InteractionSpot(Object object);
// The still's spot, a little to the side of its front where the lid opens.
Vector3 StillSpot(Object still);

class PutHerbsInStillTask final : public AsyncPedTask {
  public:
    enum Stage : int32_t {
        kCancelled = -1,
        kStart = 0,
        kWalking = 1,
        kAtStill = 2,
        kPlaying = 3,
        kDone = 999,
    };
    // The whole job, from the hand-over on; a still that never opens or a ped held up
    // elsewhere gives up after it.
    static constexpr int32_t kLimitMs = 30000;

    // stealth picks the sneaking animations (the rival still of an infiltration). A still
    // that is 0 or gone cancels the task at once.
    PutHerbsInStillTask(Ped ped, Object still, bool stealth, const DebugTools& debug);

    bool isFinished() const override;
    // Given up, the still gone or the ped dead: the herbs stay with the ped.
    bool isCancelled() const override;
    int32_t stage() const { return stage_; }

  protected:
    void onTick() override;

  private:
    void handOver();
    void followWalk();
    void openStill();
    void waitForAnimationEnd();
    void cancel(const char* why);

    Object still_;
    int32_t stage_ = kStart;
    bool stealth_;
    const DebugTools& debug_;
    int32_t startedAt_ = 0;
    bool sequenceStarted_ = false;
};

} // namespace corvale
