#pragma once
// The still, while a flavour's herbs wait to go in: the player puts them in, and the camp
// announces it ("CORVALE_PUT_HERBS_IN_STILL") when he is done.
#include "ai/PutHerbsInStillTask.h"
#include "camp/CampInteractionProcessor.h"
#include "core/natives/Prompt.h"

#include <memory>

namespace corvale {

class DebugTools;
class GameData;
class Notifications;

class PutHerbsInStillInteraction final : public CampInteractionProcessor {
  public:
    PutHerbsInStillInteraction(CampInterface& campSet, const CampFrame& frame, const GameData& data,
                               const DebugTools& debug, Notifications& notifications);

    void tick() override;
    // Also lets go of a task under way: the herbs stay pending.
    void stop() override;

    const Prompt& putPrompt() const { return putPrompt_; }
    const PutHerbsInStillTask* task() const { return task_.get(); }

  private:
    void offer(Object still);
    void followTask();
    // The player still carries one of each pending herb; otherwise he is told so.
    bool holdsHerbs(Ped player);

    const GameData& data_;
    const DebugTools& debug_;
    Notifications& notifications_;
    Prompt putPrompt_;
    std::unique_ptr<PutHerbsInStillTask> task_;
};

} // namespace corvale
