#include "camp/PutHerbsInStillInteraction.h"

#include "core/events/EventChannel.h"
#include "core/events/EventNames.h"
#include "core/natives/Combat.h"
#include "core/natives/Distance.h"
#include "core/natives/Inventory.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"
#include "site/CampInterface.h"
#include "ui/LangText.h"
#include "ui/Notifications.h"

namespace corvale {

namespace {
constexpr int32_t kHold = 2;
constexpr int32_t kStillPromptGroup = 0x4EE07FDD;
constexpr float kReach = 1.5f;
constexpr int32_t kHelpMs = 5000;
} // namespace

PutHerbsInStillInteraction::PutHerbsInStillInteraction(CampInterface& campSet,
                                                       const CampFrame& frame, const GameData& data,
                                                       const DebugTools& debug,
                                                       Notifications& notifications)
    : CampInteractionProcessor(campSet, frame), data_(data), debug_(debug),
      notifications_(notifications) {
    putPrompt_.create(LangText(data_, "prompts.still.put_herbs"), HashString("INPUT_CONTEXT_Y"),
                      PromptSetup{kHold, kStillPromptGroup});
}

void PutHerbsInStillInteraction::tick() {
    if (!frame_.built) return;
    // Herbs that went with their batch leave nothing to finish: a later flavour's herbs
    // must be put in anew.
    if (!campSet_.herbsPending) task_.reset();
    if (campSet_.menuOpen || !campSet_.herbsPending) return putPrompt_.withdraw();
    const Object still = campSet_.findStill();
    if (still == 0) return;
    offer(still);
    followTask();
}

void PutHerbsInStillInteraction::stop() {
    putPrompt_.withdraw();
    task_.reset();
}

void PutHerbsInStillInteraction::offer(Object still) {
    const Ped player = PlayerPed();
    if (!(Distance(player, StillSpot(still)) < kReach) || !PlayerIsAble(player))
        return putPrompt_.withdraw();
    ShowPromptGroupThisFrame(kStillPromptGroup, TextLiteral(LangText(data_, "prompts.still")));
    putPrompt_.offer(!task_ && !IsPedReloading(player));
    if (putPrompt_.completed() && holdsHerbs(player))
        task_ = std::make_unique<PutHerbsInStillTask>(player, still, false, debug_);
}

void PutHerbsInStillInteraction::followTask() {
    if (!task_) return;
    task_->tick();
    if (task_->isRunning()) return;
    // The camp manager takes the items and the business plug-in flavours its batch. Herbs
    // dropped meanwhile (the batch went) or no longer carried flavour nothing.
    if (task_->isFinished() && campSet_.herbsPending && holdsHerbs(PlayerPed()))
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kPutHerbsInStill))});
    task_.reset();
}

bool PutHerbsInStillInteraction::holdsHerbs(Ped player) {
    for (const Hash herb : campSet_.herbs) {
        if (herb == 0 || ItemCount(player, herb) > 0) continue;
        notifications_.showHelpText(LangText(data_, "camp.herbs_missing"), kHelpMs);
        return false;
    }
    return true;
}

} // namespace corvale
