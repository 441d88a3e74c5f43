// The cook rescue: set-up, the frame's dispatch by state, the way in (the kick-off, the wait
// for money, the jail) and the clean-up.
#include "missions/CookRescueMission.h"

#include "core/data/GameData.h"
#include "core/input/KeyStateTable.h"
#include "core/log/Log.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Doors.h"
#include "core/natives/Entity.h"
#include "core/natives/GameClock.h"
#include "core/natives/Law.h"
#include "core/natives/Models.h"
#include "core/natives/Player.h"
#include "core/natives/Script.h"
#include "core/natives/Strings.h"
#include "core/timers/Elapsed.h"
#include "missions/JailPlaces.h"
#include "ui/LangText.h"
#include "ui/Tutorials.h"

namespace corvale {

namespace {
constexpr float kSpawnRange = 120.0f;
constexpr float kResetRange = 400.0f;
constexpr float kFundsHelpRange = 25.0f;
constexpr float kArrivalRange = 15.0f;
constexpr float kBackDoorHintRange = 4.0f;
constexpr int32_t kBackDoorHintAfterMs = 4000;
constexpr int32_t kHelpMs = 5000;
constexpr int32_t kSpawnRetryMs = 30000;
constexpr uint32_t kKeyZ = 90;
} // namespace

CookRescueMission::CookRescueMission(const MissionKit& kit, const GameData& data,
                                     Tutorials& tutorials)
    : BaseMissionProcessor(MissionType::CookRescue, MissionStatus::Waiting, jail::kMissionPoint,
                           kit),
      data_(data), tutorials_(tutorials), guard_(*this, kit.debugTools), clint_(*this),
      jail_(kit.notifications), fee_(data, kit.notifications),
      chooseLocationPrompt_(LangText(data, "prompts.ledger.choose_location"),
                            HashString("INPUT_CONTEXT_Y"), 0),
      jailModels_{HashString("s_m_m_valdeputy_01"), HashString("a_m_m_moonshiners_01")} {
    chooseLocationPrompt_.setEnabled(false);
}

CookRescueMission::~CookRescueMission() {
    chooseLocationPrompt_.remove();
}

void CookRescueMission::update() {
    if (failOnDeath()) return;
    switch (state_) {
    case State::Kickoff: return kickoff();
    case State::BreakOut: return breakOut();
    case State::Extraction:
        // The doors open, Clint not yet out: riding off puts the mission back to waiting, as
        // before the break-out, so that no deputy is left behind.
        if (Distance(PlayerPed(), getPosition()) > kResetRange) {
            Log("CookRescueMission: player left mission area, cleaning up");
            return resetToWaiting(State::Kickoff);
        }
        return extraction();
    case State::Escape:
    case State::Regroup:
    case State::SelectLocation:
        if (failWhenClintLeftBehind()) return;
        if (state_ == State::Escape) return escape();
        if (state_ == State::Regroup) return regroup();
        return selectLocation();
    case State::Finish: return finish();
    case State::InsufficientFunds: return insufficientFunds();
    }
}

void CookRescueMission::setState(State state) {
    if (state == State::SelectLocation && state_ != State::SelectLocation) pickHelpShown_ = false;
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
    const Ped cook = clint_.ped();
    if (cook == 0 || !EntityExists(cook) || IsEntityDead(cook)) {
        Log("CookRescueMission: Clint has died");
        kit().notifications.showMessage(text("missions.cook_rescue.clint_died"));
        setStatus(MissionStatus::Failed);
        return true;
    }
    return false;
}

void CookRescueMission::kickoff() {
    if (!marker_.shown()) {
        marker_.show(getPosition(), text("blips.cook_mission"));
        tutorials_.trigger("kickoff", false);
    }
    if (!fee_.canPay()) {
        Log("CookRescueMission: player has insufficient funds and cannot start the kickoff "
            "msision");
        setState(State::InsufficientFunds);
        return;
    }
    if (Distance(PlayerPed(), getPosition()) >= kSpawnRange) {
        for (ModelWait& wait : jailModelWaits_)
            wait.reset();
        return;
    }
    if (!spawnPeds()) return;
    setStatus(MissionStatus::Running);
    setState(State::BreakOut);
    ScriptWait(1000);
}

// Both peds or none: a spawn that gave up is tried again no sooner than 30 s later, as each
// try may hold the script for the whole model wait.
bool CookRescueMission::spawnPeds() {
    if (spawnFailed_ && ElapsedSince(spawnFailedAt_) < kSpawnRetryMs) return false;
    // Both models are waited for over frames: the spawns answer at once, loaded or given up.
    const bool deputyOver = jailModelWaits_[0].over(jailModels_[0]);
    if (!jailModelWaits_[1].over(jailModels_[1]) || !deputyOver) return false;
    if (guard_.ped() == 0) guard_.spawn(text("missions.cook_rescue.jail_guard_name"));
    if (guard_.ped() != 0 && clint_.ped() == 0)
        clint_.spawn(text("prompts.cook"), chooseLocationPrompt_, getPosition());
    if (guard_.ped() != 0 && clint_.ped() != 0) {
        spawnFailed_ = false;
        return true;
    }
    Log("CookRescueMission: the jail's peds could not be spawned, trying again in 30 s");
    spawnFailed_ = true;
    spawnFailedAt_ = GameTimerMs();
    return false;
}

void CookRescueMission::insufficientFunds() {
    if (!marker_.shown()) marker_.show(getPosition(), text("blips.cook_mission"));
    marker_.lock();
    if (fee_.canPay()) {
        Log("CookRescueMission: player has now enough money to start the mission");
        setState(State::Kickoff);
        marker_.unlock();
        return;
    }
    if (Distance(PlayerPed(), getPosition()) >= kFundsHelpRange) return;
    if (shown_.fundsHelp) return;
    fee_.showHelp();
    shown_.fundsHelp = true;
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
    if (!fee_.canPay()) {
        Log("CookRescueMission: player has insufficient funds and cannot start the kickoff "
            "msision");
        return resetToWaiting(State::InsufficientFunds);
    }
    if (distance < kArrivalRange && !arrived_) arriveAtJail();
    guard_.update();
    showBreakoutHints();
    breakout_ = jail_.detect(guard_.ped());
    if (kit().debugTools.on() && TakeKeyRelease(kKeyZ)) breakout_ = JailBreakout::Way::LootedKeys;
    if (breakout_ == JailBreakout::Way::None) return;
    jail_.open(breakout_);
    setState(State::Extraction);
}

void CookRescueMission::arriveAtJail() {
    Log("CookRescueMission: player arrived at mission area");
    marker_.remove();
    setObjective(text("missions.cook_rescue.objectives.1"), true);
    clint_.showBlip(text("prompts.cook"));
    arrived_ = true;
}

void CookRescueMission::showBreakoutHints() {
    if (Distance(PlayerPed(), jail::kBackDoor) > kBackDoorHintRange) {
        SetScriptTimerB(0);
    } else if (ScriptTimerB() > kBackDoorHintAfterMs) {
        showHintOnce(shown_.backDoorHint, "missions.cook_rescue.hints.back_door");
    }
    const Ped guard = guard_.ped();
    if (guard != 0 && TargetedEntity(PlayerIndex()) == guard)
        showHintOnce(shown_.guardKeysHint, "missions.cook_rescue.hints.guard_keys");
}

void CookRescueMission::cleanup() {
    // A pass lets Clint walk away; anything else takes guard and Clint out of the world.
    const bool remove = getStatus() != MissionStatus::Passed || kit().debugTools.on();
    clint_.leaveGroup();
    if (remove) {
        deleteEntity(guard_.ped());
        deleteEntity(clint_.ped());
    }
    clint_.removeGroup();
    BaseMissionProcessor::cleanup();
    marker_.remove();
    clint_.removeBlip();
    SetDoorState(doors::kValentineJailBack, doors::kLocked);
    SetDoorState(doors::kValentineJailFront, doors::kLocked);
    SetDoorState(doors::kValentineJailCell, doors::kLocked);
    arrived_ = false;
    EnableLawDispatch(true);
    EnableLawReinforcements(true);
    chooseLocationPrompt_.set(false, false);
    guard_.forget();
    clint_.forget();
}

const char* CookRescueMission::text(const char* key) const {
    return LangText(data_, key);
}

void CookRescueMission::showHintOnce(bool& shown, const char* key) {
    if (shown) return;
    shown = true;
    kit().notifications.showHelpText(text(key), kHelpMs);
}

} // namespace corvale
