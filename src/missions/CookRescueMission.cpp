// The cook rescue: set-up, the frame's dispatch by state, the way in (the kick-off and the
// wait for money) and the clean-up.
#include "missions/CookRescueMission.h"

#include "core/data/GameData.h"
#include "core/log/Log.h"
#include "core/natives/Blips.h"
#include "core/natives/Distance.h"
#include "core/natives/Doors.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Law.h"
#include "core/natives/Money.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/input/KeyStateTable.h"
#include "core/natives/Strings.h"
#include "core/text/TextFormat.h"
#include "core/timers/Elapsed.h"
#include "missions/JailPlaces.h"
#include "site/Blips.h"
#include "site/CampFee.h"
#include "ui/LangText.h"
#include "ui/Tutorials.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr float kSpawnRange = 120.0f;
constexpr float kResetRange = 400.0f;
constexpr float kFundsHelpRange = 25.0f;
constexpr int32_t kHelpMs = 5000;
constexpr int32_t kSpawnRetryMs = 30000;
constexpr uint32_t kKeyZ = 90;
} // namespace

CookRescueMission::CookRescueMission(const MissionKit& kit, const GameData& data,
                                     Tutorials& tutorials)
    : BaseMissionProcessor(MissionType::CookRescue, MissionStatus::Waiting, jail::kMissionPoint,
                           kit),
      data_(data), tutorials_(tutorials),
      chooseLocationPrompt_(LangText(data, "prompts.ledger.choose_location"),
                            HashString("INPUT_CONTEXT_Y"), 0),
      feeDollars_(CampFee(data.generalMetaFile())),
      missionSprite_(HashString("blip_mp_mission_clay")),
      companionStyle_(HashString("BLIP_STYLE_COMPANION")),
      lockedModifier_(HashString("BLIP_MODIFIER_LOCKED")),
      explosionEvent_(HashString("EVENT_ENTITY_EXPLOSION")),
      lootEvent_(HashString("EVENT_LOOT_COMPLETE")),
      pickPocketEvent_(HashString("PICK_POCKET_RESULT")),
      keysItem_(HashString("CORVALE_PRISON_KEYS")),
      keychainIcon_(HashString("folder_kit_keychain")),
      followTask_(HashString("SCRIPT_TASK_FOLLOW_TO_OFFSET_OF_ENTITY")),
      mountTask_(HashString("SCRIPT_TASK_MOUNT_ANIMAL")),
      peeScenario_(HashString("WORLD_HUMAN_PEE")),
      idleScenarios_{HashString("GENERIC_STANDING_SCENARIO"), HashString("WORLD_HUMAN_SMOKE")},
      jailBreakCrime_(HashString("CRIME_JAIL_BREAK")) {
    chooseLocationPrompt_.setEnabled(false);
    setValue("prisonGuard.task_check_timer", 0);
    setValue("prisonGuard.next_pee_time", 0);
}

CookRescueMission::~CookRescueMission() {
    chooseLocationPrompt_.remove();
}

void CookRescueMission::update() {
    if (failOnDeath()) return;
    switch (state_) {
    case State::Kickoff: return kickoff();
    case State::BreakOut: return breakOut();
    case State::Extraction: return extraction();
    case State::Escape: return escape();
    case State::Regroup: return regroup();
    case State::SelectLocation: return selectLocation();
    case State::Finish: return finish();
    case State::InsufficientFunds: return insufficientFunds();
    }
}

void CookRescueMission::setState(State state) {
    if (state == State::SelectLocation && state_ != State::SelectLocation) fundsHelpShown_ = false;
    state_ = state;
}

// Once the jail is open, the mission fails with the player or with Clint. A failed mission
// does nothing more: Clint's body is given no task.
bool CookRescueMission::failOnDeath() {
    if (state_ == State::Kickoff || state_ == State::InsufficientFunds) return false;
    if (IsPlayerDead(PlayerIndex())) {
        Log("CookRescueMission: player has died");
        setStatus(MissionStatus::Failed);
        return true;
    }
    if (cook_ == 0 || !EntityExists(cook_) || IsEntityDead(cook_)) {
        Log("CookRescueMission: Clint has died");
        kit().notifications.showMessage(text("missions.cook_rescue.clint_died"));
        setStatus(MissionStatus::Failed);
        return true;
    }
    return false;
}

void CookRescueMission::kickoff() {
    if (missionBlip_ == 0) {
        createMissionBlip();
        tutorials_.trigger("kickoff", false);
    }
    if (!canPayFee()) {
        Log("CookRescueMission: player has insufficient funds and cannot start the kickoff "
            "msision");
        setState(State::InsufficientFunds);
        return;
    }
    if (Distance(PlayerPed(), getPosition()) >= kSpawnRange) return;
    if (!spawnPeds()) return;
    setStatus(MissionStatus::Running);
    setState(State::BreakOut);
    ScriptWait(1000);
}

// Both peds or none: a spawn that gave up is tried again no sooner than 30 s later, as each
// try may hold the script for the whole model wait.
bool CookRescueMission::spawnPeds() {
    if (spawnFailed_ && ElapsedSince(spawnFailedAt_) < kSpawnRetryMs) return false;
    if (prisonGuard_ == 0) prisonGuard_ = spawnGuard();
    if (prisonGuard_ != 0 && cook_ == 0) cook_ = spawnClint();
    if (prisonGuard_ != 0 && cook_ != 0) {
        spawnFailed_ = false;
        return true;
    }
    Log("CookRescueMission: the jail's peds could not be spawned, trying again in 30 s");
    spawnFailed_ = true;
    spawnFailedAt_ = GameTimerMs();
    return false;
}

void CookRescueMission::createMissionBlip() {
    missionBlip_ = BlipAtPoint(getPosition(), blips::kStyleMission, missionSprite_);
    SetBlipName(missionBlip_, text("blips.cook_mission"));
}

void CookRescueMission::insufficientFunds() {
    if (missionBlip_ == 0) createMissionBlip();
    if (missionBlip_ != 0 && !blipLocked_) {
        AddBlipModifier(missionBlip_, lockedModifier_);
        blipLocked_ = true;
    }
    if (canPayFee()) {
        Log("CookRescueMission: player has now enough money to start the mission");
        setState(State::Kickoff);
        if (missionBlip_ != 0) RemoveBlipModifier(missionBlip_, lockedModifier_);
        blipLocked_ = false;
        return;
    }
    if (Distance(PlayerPed(), getPosition()) >= kFundsHelpRange) return;
    if (getValue("insufficient_funds") != 0) return;
    char fee[16];
    std::snprintf(fee, sizeof fee, "%d", static_cast<int>(feeDollars_));
    FormatText(message_, text("missions.cook_rescue.insufficient_funds"), fee);
    kit().notifications.showHelpText(message_, kHelpMs);
    setValue("insufficient_funds", 1);
}

// Leaving the area or running short of money puts the mission back to waiting, without
// guard or Clint.
void CookRescueMission::resetToWaiting(State state) {
    cleanup();
    setState(state);
    setStatus(MissionStatus::Waiting);
}

void CookRescueMission::breakOut() {
    const Ped player = PlayerPed();
    const float distance = Distance(player, getPosition());
    if (distance > kResetRange) {
        Log("CookRescueMission: player left mission area, cleaning up");
        return resetToWaiting(State::Kickoff);
    }
    if (!canPayFee()) {
        Log("CookRescueMission: player has insufficient funds and cannot start the kickoff "
            "msision");
        return resetToWaiting(State::InsufficientFunds);
    }
    if (distance < 15.0f && getValue("objectives.1") == 0) {
        Log("CookRescueMission: player arrived at mission area");
        RemoveBlip(&missionBlip_);
        blipLocked_ = false;
        setObjective(text("missions.cook_rescue.objectives.1"), true);
        cookBlip_ = BlipForEntity(cook_, companionStyle_, blips::kSpriteNone);
        SetBlipName(cookBlip_, text("prompts.cook"));
        setValue("objectives.1", 1);
    }
    updatePrisonGuard();
    showBreakoutHints();
    breakout_ = detectBreakout();
    if (kit().debugTools.on() && TakeKeyRelease(kKeyZ)) breakout_ = Breakout::LootedKeys;
    if (breakout_ == Breakout::None) return;
    openJail();
    setState(State::Extraction);
}

void CookRescueMission::cleanup() {
    // A pass lets Clint walk away; anything else takes guard and Clint out of the world.
    const bool remove = getStatus() != MissionStatus::Passed || kit().debugTools.on();
    removeClintFromPlayerGroup();
    if (remove) {
        deletePed(prisonGuard_);
        deletePed(cook_);
    }
    if (createdGroup_ != 0) RemovePedGroup(createdGroup_);
    createdGroup_ = 0;
    group_ = 0;
    BaseMissionProcessor::cleanup();
    RemoveBlip(&missionBlip_);
    RemoveBlip(&cookBlip_);
    blipLocked_ = false;
    SetDoorState(doors::kValentineJailBack, doors::kLocked);
    SetDoorState(doors::kValentineJailFront, doors::kLocked);
    SetDoorState(doors::kValentineJailCell, doors::kLocked);
    setValue("objectives.1", 0);
    setValue("prisonGuard.task_check_timer", 0);
    setValue("prisonGuard.next_pee_time", 0);
    EnableLawDispatch(true);
    EnableLawReinforcements(true);
    chooseLocationPrompt_.set(false, false);
    prisonGuard_ = 0;
    cook_ = 0;
}

void CookRescueMission::deletePed(Ped& ped) {
    if (ped == 0) return;
    dropEntity(ped);
    if (EntityExists(ped)) DeleteEntity(ped);
    ped = 0;
}

void CookRescueMission::removeClintFromPlayerGroup() {
    if (!clintInGroup_) return;
    clintInGroup_ = false;
    if (cook_ != 0 && EntityExists(cook_)) RemoveFromGroup(cook_);
}

bool CookRescueMission::canPayFee() const {
    return static_cast<int64_t>(PlayerCashCents()) >= static_cast<int64_t>(feeDollars_) * 100;
}

bool CookRescueMission::playerWanted() const {
    return IsLawIncidentActive(PlayerIndex());
}

const char* CookRescueMission::text(const char* key) const {
    return LangText(data_, key);
}

void CookRescueMission::showHintOnce(const char* flag, const char* key) {
    if (getValue(flag) != 0) return;
    setValue(flag, 1);
    kit().notifications.showHelpText(text(key), kHelpMs);
}

} // namespace corvale
