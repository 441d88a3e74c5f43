// The way out: Clint leaves his cell, escapes with the player, regroups with him and, talked
// to, has the player pick where the camp goes.
#include "core/events/EventInbox.h"
#include "core/events/EventNames.h"
#include "core/log/Log.h"
#include "core/natives/Combat.h"
#include "core/natives/Developer.h"
#include "core/natives/Distance.h"
#include "core/natives/Doors.h"
#include "core/natives/Entity.h"
#include "core/natives/Ground.h"
#include "core/natives/Law.h"
#include "core/natives/Money.h"
#include "core/natives/Peds.h"
#include "core/natives/Player.h"
#include "core/natives/Sequences.h"
#include "core/natives/Strings.h"
#include "core/natives/Tasks.h"
#include "core/natives/Weapons.h"
#include "core/text/TextFormat.h"
#include "missions/CookRescueMission.h"
#include "missions/JailPlaces.h"
#include "ui/Tutorials.h"

#include <cstdio>

namespace corvale {

namespace {
constexpr float kCellReach = 2.5f;
constexpr float kRunSpeed = 3.0f;
constexpr int32_t kClintAmmo = 100;
constexpr int32_t kWantedScoreCap = 2000;
constexpr int32_t kWantedScoreEased = 1000;
constexpr float kBountyHuntersGiveUpRange = 200.0f;
constexpr float kClintFallsBehindRange = 50.0f;
constexpr int32_t kFollowTimeoutMs = 20000;
constexpr float kFollowStopRange = 10.0f;
constexpr float kEscapedRange = 150.0f;
constexpr float kRegroupRange = 30.0f;
constexpr int32_t kHelpMs = 5000;
constexpr int32_t kConfigFlagFollows = 279;
constexpr int32_t kConfigFlagCompanion = 154;
} // namespace

void CookRescueMission::extraction() {
    updatePrisonGuard();
    const Ped player = PlayerPed();
    const bool blasted =
        breakout_ == Breakout::BackDoorBlast || breakout_ == Breakout::FrontDoorBlast;
    // With keys the player must come to the cell; a blast sets Clint free at once.
    if (!blasted &&
        (InteriorOf(player) != jail::kJailInterior || Distance(player, jail::kCellPoint) >= kCellReach))
        return;
    group_ = GroupOf(player);
    if (group_ == 0) {
        group_ = CreatePedGroup(0);
        createdGroup_ = group_;
        if (group_ != 0) SetPedAsGroupLeader(player, group_, true);
    }
    SetPedConfigFlag(cook_, kConfigFlagFollows, true);
    SetPedConfigFlag(cook_, kConfigFlagCompanion, true);
    if (group_ != 0) {
        SetPedAsGroupMember(cook_, group_);
        clintInGroup_ = true;
    }
    TaskGoToPoint(cook_, PlayerPosition(), kRunSpeed, -1, 1.0f, 0, 0.0f);
    Log("CookRescueMission: Clint has been extracted from jail");
    detectLaw();
    setObjective(text("missions.cook_rescue.objectives.2"), true);
    setState(State::Escape);
}

void CookRescueMission::escape() {
    if (locationPicked()) return setState(State::Finish);
    updatePrisonGuard();
    if (group_ != 0) SetPedAsGroupMember(cook_, group_);
    const Ped player = PlayerPed();
    const int32_t playerIndex = PlayerIndex();
    const bool wanted = playerWanted();
    const bool busy = CountPedsInCombatWith(player, 0) != 0;
    if (!wanted && !busy) detectLaw();
    else releaseGuard();

    if (!IsWeaponAGun(BestWeapon(cook_, false, false)) && InteriorOf(cook_) == 0)
        GiveWeapon(cook_, weapons::kRevolverDoubleAction, kClintAmmo, true);
    if (WantedScore(playerIndex) > kWantedScoreCap) SetWantedScore(playerIndex, kWantedScoreEased);
    if (!busy && Distance(player, jail::kGuardPost) > kBountyHuntersGiveUpRange)
        ClearBountyHunterPursuit();
    if (kit().debugTools.on()) {
        char line[32];
        std::snprintf(line, sizeof line, "busy: %d", busy ? 1 : 0);
        kit().debugTools.drawText(line);
    }
    keepClintWithPlayer(player);
    if (EntityHealthFraction(cook_) < 0.5f)
        showHintOnce("hints.clint_low_health", "missions.cook_rescue.hints.clint_low_health");

    if (Distance(player, getPosition()) <= kEscapedRange || wanted) return;
    if (LookupAtEntity(player) == zones::kValentine) return;
    if (Distance(cook_, player) > kRegroupRange)
        setObjective(text("missions.cook_rescue.objectives.regroup"), true);
    setState(State::Regroup);
}

// Clint runs after a player who left him behind, and gets on the player's horse with him.
void CookRescueMission::keepClintWithPlayer(Ped player) {
    const bool playerMounted = IsPedOnMount(player);
    if (Distance(cook_, player) > kClintFallsBehindRange) {
        if (ScriptTaskStatus(cook_, followTask_) == kScriptTaskNotRunning)
            TaskFollowEntity(cook_, player, Vector3{}, kRunSpeed, kFollowTimeoutMs, kFollowStopRange);
        return;
    }
    const bool clintMounted = IsPedOnMount(cook_);
    if (!clintMounted && playerMounted &&
        ScriptTaskStatus(cook_, mountTask_) == kScriptTaskNotRunning) {
        const Ped horse = PedMount(player);
        if (horse == 0) return;
        SetBlockingOfNonTemporaryEvents(cook_, true);
        TaskMountAnimal(cook_, horse, -1, 0, kRunSpeed);
        return;
    }
    if (!playerMounted || clintMounted) SetBlockingOfNonTemporaryEvents(cook_, false);
}

// The law on the player's heels sends him back to losing it; an open map is put away, so
// nothing is picked behind the mission's back.
void CookRescueMission::backToEscapeWhenWanted() {
    setObjective(text("missions.cook_rescue.objectives.lose_the_law"), true);
    ClearPedTasks(cook_, true, true);
    if (state_ == State::SelectLocation) {
        chooseLocationPrompt_.set(false, false);
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSelectorClose))});
    }
    setState(State::Escape);
}

void CookRescueMission::regroup() {
    if (locationPicked()) return setState(State::Finish);
    if (playerWanted()) return backToEscapeWhenWanted();
    const Ped player = PlayerPed();
    if (Distance(cook_, player) >= kRegroupRange) return;
    setObjective(text("missions.cook_rescue.objectives.interact_with_clint"), true);
    Sequence turn = OpenSequence();
    if (turn != kNoSequence) {
        if (IsPedOnMount(cook_)) TaskDismountAnimal(0);
        TaskTurnToFaceEntity(0, player, -1);
        CloseSequence(turn);
        PerformSequence(cook_, turn);
        ClearSequence(turn);
    }
    setState(State::SelectLocation);
}

void CookRescueMission::selectLocation() {
    if (playerWanted()) return backToEscapeWhenWanted();
    if (TargetedEntity(PlayerIndex()) == cook_ && getValue("objectives.select_location") == 0) {
        setValue("objectives.select_location", 1);
        setObjective(text("missions.cook_rescue.objectives.select_location"), true);
    }
    // The map is offered only to a player who can pay for the move.
    const bool canPay = canPayFee();
    if (chooseLocationPrompt_.enabled() != canPay || !chooseLocationPrompt_.visible())
        chooseLocationPrompt_.set(canPay, true);
    if (!canPay && !fundsHelpShown_) {
        fundsHelpShown_ = true;
        char fee[16];
        std::snprintf(fee, sizeof fee, "%d", static_cast<int>(feeDollars_));
        FormatText(message_, text("missions.cook_rescue.insufficient_funds"), fee);
        kit().notifications.showHelpText(message_, kHelpMs);
    }
    if (chooseLocationPrompt_.completed())
        events::SendCampEvent({static_cast<int32_t>(HashString(events::kCampLocationSelectorOpen))});
    if (locationPicked()) setState(State::Finish);
}

// A pick the camp manager carries out: free, or paid by a player who has the fee now (the
// camp manager refuses a paid move the player cannot pay).
bool CookRescueMission::locationPicked() {
    bool picked = false;
    events::ForEachKeptEvent(locationEvents_, [&](const events::ScriptEvent& event) {
        if (picked || !event.is(events::kCampLocationChanged)) return;
        const bool free = event.word(2) != 0;
        if (!free && !canPayFee()) {
            Log("CookRescueMission: a camp location the player cannot pay for is not taken");
            return;
        }
        Log("CookRescueMission: camp location has been selected.");
        picked = true;
    });
    if (picked) chooseLocationPrompt_.set(false, false);
    return picked;
}

void CookRescueMission::finish() {
    PedSay(cook_, "GENERIC_GOODBYE");
    removeClintFromPlayerGroup();
    TaskWalkAway(cook_, PlayerPed());
    setStatus(MissionStatus::Passed);
    tutorials_.trigger("kickoff_complete", false);
}

} // namespace corvale
