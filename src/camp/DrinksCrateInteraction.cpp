#include "camp/DrinksCrateInteraction.h"

#include "ai/PutHerbsInStillTask.h"
#include "core/natives/Combat.h"
#include "core/natives/Distance.h"
#include "core/natives/Entity.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/PromptSteps.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "site/CampInterface.h"
#include "ui/LangText.h"

namespace corvale {

namespace {
constexpr int32_t kHold = 2;
constexpr int32_t kCratePromptGroup = 0x4EE07FDD;
constexpr float kReach = 1.0f;
constexpr int32_t kHolstered = 2;
constexpr float kWalkSpeed = 1.0f;
constexpr int32_t kWalkTimeoutMs = 20000;
constexpr float kStopRange = 0.8f;
constexpr int32_t kPickUpMs = 5000;
} // namespace

DrinksCrateInteraction::DrinksCrateInteraction(CampInterface& campSet, const CampFrame& frame,
                                               const GameData& data)
    : CampInteractionProcessor(campSet, frame), data_(data) {
    takePrompt_.create(LangText(data_, "prompts.drinks_crate.take"), HashString("INPUT_CONTEXT_X"),
                       PromptSetup{kHold, kCratePromptGroup});
}

void DrinksCrateInteraction::tick() {
    if (!frame_.built) return;
    if (campSet_.menuOpen) return takePrompt_.withdraw();
    const Object crate = campSet_.crate();
    if (crate == 0 || !EntityExists(crate)) return;
    const Ped player = PlayerPed();
    if (!playerCanTake(player, crate)) return takePrompt_.withdraw();
    ShowPromptGroupThisFrame(kCratePromptGroup,
                             TextLiteral(LangText(data_, "prompts.drinks_crate")));
    takePrompt_.offer(!IsPedReloading(player));
    if (takePrompt_.completed()) takeDrink(player, crate);
}

void DrinksCrateInteraction::stop() {
    takePrompt_.withdraw();
}

// Only with empty hands and nothing else to do.
bool DrinksCrateInteraction::playerCanTake(Ped player, Object crate) {
    if (Distance(player, InteractionSpot(crate)) > kReach) return false;
    if (!PlayerIsAble(player)) return false;
    if (IsPedUsingAnyScenario(player)) return false;
    if (SequenceProgress(player) != -1) return false;
    return CurrentWeapon(player) == weapons::kUnarmed;
}

void DrinksCrateInteraction::takeDrink(Ped player, Object crate) {
    HidePedWeapons(player, kHolstered, false);
    Sequence sequence = OpenSequence();
    if (sequence == kNoSequence) return;
    TaskGoToPoint(0, EntityPosition(crate), kWalkSpeed, kWalkTimeoutMs, kStopRange, 0,
                  EntityHeading(crate) + 180.0f);
    TaskSetCrouchMovement(0, false, 0, false);
    StartScenarioInPlace(0, HashString("WORLD_HUMAN_BOTTLE_PICKUP_BOX_TABLE_JD"), kPickUpMs, false,
                         0, -1.0f, false);
    CloseSequence(sequence);
    PerformSequence(player, sequence);
    ClearSequence(sequence);
}

} // namespace corvale
